#include "platform/system/impl/RunnableFiles.h"
#include "support/WriteFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(RunsAsProgram, ByExecuteBitExtensionOrType)
{
    const QString data = QStringLiteral("application/octet-stream");
    const struct {
        const char* name;
        QStringList types; // by name, by content
        bool executable;
        bool runs;
    } cases[] = {
        {"foto.jpg", {QStringLiteral("image/jpeg"), QStringLiteral("image/jpeg")}, false, false},
        {"dati.bin", {data, data}, false, false},
        {"dati.json", {QStringLiteral("application/json"), QStringLiteral("text/plain")}, false, false},
        {"nota.txt", {QStringLiteral("text/plain"), QStringLiteral("text/plain")}, true, true},
        {"SETUP.EXE", {data, data}, false, true},
        {"collegamento.lnk", {data, data}, false, true},
        {"installa.sh", {data, data}, false, true},
        {"avvia.desktop", {data, data}, false, true},
        {"programma", {data, QStringLiteral("application/x-sharedlib")}, false, true},
        {"foto.jpg", {QStringLiteral("image/jpeg"), QStringLiteral("application/x-executable")}, false, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunsAsProgram(QString::fromUtf8(c.name), c.types, c.executable), c.runs) << c.name;
}

TEST(HostFileRunsAsProgram, ReadsModeAndContents)
{
    QTemporaryDir dir;
    QFile program(QStringLiteral("/bin/true"));
    ASSERT_TRUE(program.open(QIODevice::ReadOnly));
    const QString elf = dir.filePath(QStringLiteral("programma"));
    const QString text = dir.filePath(QStringLiteral("nota.txt"));
    WriteFile(elf, program.readAll());
    WriteFile(text, "ciao\n");
    EXPECT_TRUE(HostFileRunsAsProgram(elf)); // no execute bit, no extension: by its contents
    EXPECT_FALSE(HostFileRunsAsProgram(text));
    const QString disguised = dir.filePath(QStringLiteral("foto.jpg"));
    WriteFile(disguised, QByteArray("MZ") + QByteArray(126, '\0'));
    EXPECT_TRUE(HostFileRunsAsProgram(disguised)); // a desktop that goes by contents gives it to Wine
    ASSERT_TRUE(QFile::setPermissions(text, QFile::permissions(text) | QFile::ExeOwner));
    EXPECT_TRUE(HostFileRunsAsProgram(text));
    EXPECT_FALSE(HostFileRunsAsProgram(dir.path())); // a folder opens as a folder
    EXPECT_FALSE(HostFileRunsAsProgram(dir.filePath(QStringLiteral("manca.exe"))));
}

} // namespace
