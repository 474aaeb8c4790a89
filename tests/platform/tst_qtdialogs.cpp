// SPDX-License-Identifier: MIT
// The real dialogs as the person meets them: the boxes a window of the
// program could hide, and the file the print dialog proposes.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLibrary>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

#include "fakeplatform.h"
#include "frmmain.h"
#include "qtplatform.h"
#include "reportfile.h"

using namespace Qt::StringLiterals;

namespace {

// Runs code on the next modal dialog of the kind once it shows, then closes it.
template<typename Dialog>
void onNextDialog(QObject *context, std::function<void(Dialog &)> code)
{
    QTimer::singleShot(0, context, [code] {
        QElapsedTimer timer;
        timer.start();
        Dialog *dialog = nullptr;
        while ((dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget())) == nullptr) {
            if (timer.hasExpired(10000))
                qFatal("no dialog showed");
            QTest::qWait(10);
        }
        code(*dialog);
        dialog->reject();
    });
}

// The print dialog of the module the program loads when a person prints.
class ModulePrinting final : public velmora::Printing
{
public:
    velmora::PrintOutcome print(QWidget *parent, const velmora::PrintJob &job) override
    {
        using PrintFunction = velmora::PrintOutcome (*)(QWidget *, const velmora::PrintJob &);
        QLibrary module(QStringLiteral(VELMORA_PRINT_MODULE));
        const auto print = reinterpret_cast<PrintFunction>(module.resolve("velmoraPrint"));
        if (print == nullptr)
            qFatal("%s", qPrintable(module.errorString()));
        return print(parent, job);
    }
};

} // namespace

class TestQtDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A box with no window of the program above it - a second copy's, while
    // the tell-a-friend window stays in front - stays in front as well.
    void aBoxWithoutAWindowStaysInFront_data()
    {
        QTest::addColumn<bool>("withWindow");
        QTest::newRow("no window") << false;
        QTest::newRow("over a window of its own") << true;
    }

    void aBoxWithoutAWindowStaysInFront()
    {
        QFETCH(bool, withWindow);
        QWidget window;
        if (withWindow)
            window.show();
        velmora::QtPlatform platform;
        bool inFront = false;
        onNextDialog<QMessageBox>(this, [&](QMessageBox &box) {
            inFront = box.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        });
        platform.showMessage(withWindow ? &window : nullptr,
                             {velmora::MessageIcon::Information, u"Application is already running"_s, u"Tavi Velmora"_s});
        QCOMPARE(inFront, !withWindow);
    }

    // Printing to a file proposes the readings under the person's name in
    // the documents folder, on every platform (here without X11, where Qt
    // proposes nothing of its own).
    void printToAFileProposesThePersonsName_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("middle");
        QTest::addColumn<bool>("documents");
        QTest::addColumn<QString>("proposed"); // under the documents or the home folder
        QTest::newRow("first and last name") << u"John"_s << QString() << true
                                             << u"Documents/Velmora readings - John Smith.pdf"_s;
        QTest::newRow("a middle name") << u"Anna"_s << u"Lee"_s << true
                                       << u"Documents/Velmora readings - Anna Lee Smith.pdf"_s;
        QTest::newRow("no documents folder") << u"John"_s << QString() << false
                                             << u"Velmora readings - John Smith.pdf"_s;
        QTest::newRow("a slash in a name") << u"AC/DC"_s << QString() << true
                                           << u"Documents/Velmora readings - AC-DC Smith.pdf"_s;
        const QString longName(300, u'\u00e9');
        QTest::newRow("a name too long for a file") << longName << QString() << true
                                                    << u"Documents/Velmora readings - "_s + QString(116, u'\u00e9')
                + u".pdf"_s;
    }

    void printToAFileProposesThePersonsName()
    {
        QFETCH(QString, first);
        QFETCH(QString, middle);
        QFETCH(bool, documents);
        QFETCH(QString, proposed);
        const QDir home = QDir::home();
        QVERIFY(documents ? home.mkpath(u"Documents"_s) : home.rmpath(u"Documents"_s) || !home.exists(u"Documents"_s));
        const QTemporaryDir folder;
        const QString report = folder.filePath(u"person.vlm"_s);
        QVERIFY(velmora::saveReportFile(
            report, velmora::BirthData{first.toStdString(), middle.toStdString(), "Smith", 7, 3, "March", 1985}));

        FakePlatform platform;
        ModulePrinting printing;
        frmMain window({platform, platform, platform, platform, printing, platform});
        window.openReportFile(report);
        QCOMPARE(platform.messages, QList<velmora::Message>{});
        QString fileName;
        onNextDialog<QPrintDialog>(this, [&](QPrintDialog &dialog) {
            fileName = dialog.findChild<QLineEdit *>(u"filename"_s)->text();
        });
        window.printReport();
        QCOMPARE(fileName, home.filePath(proposed));
    }
};

int main(int argc, char *argv[])
{
    // A home of the test's own, whose documents folder the test makes.
    const QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(u"config"_s)));
    qunsetenv("XDG_DOCUMENTS_DIR");
    QApplication application(argc, argv);
    TestQtDialogs test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_qtdialogs.moc"
