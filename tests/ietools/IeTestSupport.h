#pragma once
#include "fakes/TestProgram.h"
#include "ietools/Test_URL.h"

#include <QListWidget>
#include <QStringList>

// Process tables and list reading shared by the IE tools' tests.
inline ProcessEntry Ie(std::uint32_t pid)
{
    return {pid, QStringLiteral("C:\\Program Files\\Internet Explorer\\iexplore.exe")};
}

inline QStringList Rows(Test_URL& window)
{
    QStringList rows;
    for (int r = 0; r < window.List1->count(); ++r)
        rows << window.List1->item(r)->text();
    return rows;
}

inline QString IeRow(std::uint32_t pid) { return QStringLiteral("IEXPLORE.EXE ") + QString::number(pid, 16).toUpper(); }
