#pragma once
#include <QString>

#include <array>

// The six preset-site buttons: caption, tool tip and the address each one opens.
struct PresetSite {
    QString caption;
    QString toolTip;
    QString address;
};

inline const std::array<PresetSite, 6> kPresetSites{{
    {QStringLiteral("Tin"), QStringLiteral("www.tin.it"), QStringLiteral("www.tin.it")},
    {QStringLiteral("Libero/wind"), QStringLiteral("www.libero.it"), QStringLiteral("www.libero.it")},
    {QStringLiteral("Tiscali"), QStringLiteral("www.tiscali.it"), QStringLiteral("www.tiscali.it")},
    {QStringLiteral("Google"), QStringLiteral("www.google.it"), QStringLiteral("www.google.it")},
    {QStringLiteral("Antivirus"), QStringLiteral("Scarica Aggiornamento AntiVirus Norton"),
     QStringLiteral("http://www.symantec.com/downloads/")},
    {QStringLiteral(".."), QStringLiteral("www.virgilio.it"), QStringLiteral("www.virgilio.it")},
}};
