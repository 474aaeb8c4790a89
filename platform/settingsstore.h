// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace velmora {

// The per-user settings store: text values by section and key.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    // A missing value reads as an empty string.
    [[nodiscard]] virtual QString settingsValue(const QString &section, const QString &key) = 0;
    virtual void setSettingsValue(const QString &section, const QString &key, const QString &value) = 0;
};

} // namespace velmora
