// SPDX-License-Identifier: MIT
#include "benchclients.h"

#include <QtGlobal>

#include "benchpeople.h"

std::size_t benchClientCount()
{
    bool ok = false;
    const int count = qEnvironmentVariableIntValue("VELMORA_BENCH_CLIENTS", &ok);
    return ok && count > 0 ? static_cast<std::size_t>(count) : 100'000;
}

QList<velmora::book::Client> benchClients(std::size_t count)
{
    QList<velmora::book::Client> list;
    int n = 0;
    for (const velmora::BirthData &person : benchPeople(count)) {
        velmora::book::Client client;
        client.first = QString::fromStdString(person.FirstName);
        client.middle = QString::fromStdString(person.MiddleName);
        client.last = QString::fromStdString(person.LastName);
        client.birth = QDate(person.BirthYear, person.BirthMonth, person.BirthDay);
        if (++n % 10 == 0) {
            client.laterNames = {{client.first, {}, QString::fromStdString(person.MiddleName + "sen"), {}, "married"}};
            client.tags = {QStringLiteral("vip")};
        }
        list.append(client);
    }
    return list;
}
