// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes as a search to a client book in a file: the search
// must run, and find exactly the clients that every term's plain meaning
// picks (a name word starting with it, a date of birth starting with it, a
// tag equal to it), whatever the ranges the database is asked for.
#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "booksearch.h"
#include "clientbook.h"
#include "namekeys.h"

using namespace velmora::book;

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

Client person(const QString &first, const QString &last, QDate birth, const QStringList &tags = {})
{
    Client client;
    client.first = first;
    client.last = last;
    client.birth = birth;
    client.tags = tags;
    return client;
}

struct Book {
    QTemporaryDir folder;
    std::unique_ptr<ClientBook> book;
    QList<Client> clients;
};

// Names at the edges of the code point order, in several scripts.
Book &book()
{
    static Book instance = [] {
        Book made;
        made.clients = {
            person(QStringLiteral("Maria"), QStringLiteral("Ek"), QDate(1990, 2, 28), {QStringLiteral("vip")}),
            person(QStringLiteral("Mårten"), QStringLiteral("O'Brien"), QDate(1, 1, 1)),
            person(QStringLiteral("Zoë"), QStringLiteral("Ærø-Smith"), QDate(9999, 12, 31), {QStringLiteral("Ärztin")}),
            person(QStringLiteral("Алёна"), QStringLiteral("李"), QDate(2000, 10, 10)),
            person(QString::fromUcs4(U"\U0001F600x\U0010FFFF"), QString::fromUcs4(U"\uD7FF\uE000\uFFFF"), QDate(1984, 1, 1)),
            person(QStringLiteral("Robert');"), QStringLiteral("DROP TABLE clients;--"), QDate(1950, 5, 5)),
        };
        const QString path = made.folder.filePath(QStringLiteral("book.sqlite"));
        made.book = ClientBook::open(path, nullptr);
        check(made.book && made.book->addClients(made.clients));
        return made;
    }();
    return instance;
}

bool matches(const Client &client, const SearchTerm &term)
{
    switch (term.kind) {
    case SearchTerm::Name:
        for (const QString *part : {&client.first, &client.middle, &client.last})
            for (const QString &key : nameKeys(*part))
                if (key.startsWith(term.start))
                    return true;
        return false;
    case SearchTerm::Birth:
        return client.birth.toString(Qt::ISODate).startsWith(term.start);
    case SearchTerm::Tag:
        return std::ranges::any_of(client.tags, [&](const QString &tag) { return foldedKey(tag) == term.start; });
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString query = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    Book &fixture = book();
    const auto found = fixture.book->findClients(query);
    check(found.has_value());
    const QList<SearchTerm> terms = parseSearch(query);
    qsizetype expected = 0;
    for (const Client &client : fixture.clients)
        expected += std::ranges::all_of(terms, [&](const SearchTerm &term) { return matches(client, term); }) ? 1 : 0;
    check(found->size() == expected);
    const auto first = fixture.book->findClients(query, 1);
    check(first && first->size() == std::min<qsizetype>(expected, 1));
    return 0;
}
