// The settings file when its writer dies: a process that writes it without end is killed with
// SIGKILL at random moments, and each time the file must be the whole dictionary before or the
// whole dictionary after the write under way.
#include "host/PropertyList.h"
#include "settings/Settings.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

namespace {

QByteArray contents(const QString& inPath) {
    QFile file(inPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// A file with more in it than the pane's keys, so that a write takes a while: a band, a note and
// a list of presets.
void writeStartingFile(const QString& inPath) {
    host::Dictionary dict;
    dict.setLong(settings::sStyleKey, 1);
    dict.setString("Note", QString("kept through every write ").repeated(200));
    for (int i = 0; i < 200; ++i) {
        dict.setLong(qPrintable(QString("Preset %1").arg(i)), 76100 + 100 * i);
    }
    ASSERT_TRUE(dict.writeToFile(inPath, true));
}

struct Choice {
    SInt32 frequency;
    bool stereo;
};

// What the file holds, byte for byte, once the writer has written inChoice over the start.
QByteArray expectedAfter(const QString& inStart, const Choice& inChoice) {
    QTemporaryDir scratch;
    const QString copy = scratch.filePath("copy.plist");
    QFile::copy(inStart, copy);
    EXPECT_TRUE(settings::write(copy, inChoice.frequency, inChoice.stereo).saved());
    return contents(copy);
}

TEST(SettingsCrash, AKilledWriterLeavesTheWholeOldOrTheWholeNewFile) {
    constexpr int sKills = 200;
    constexpr Choice sA{88100, true};
    constexpr Choice sB{107900, false};

    QTemporaryDir dir;
    const QString path = dir.filePath("settings.plist");
    writeStartingFile(path);
    const auto started = std::chrono::steady_clock::now();
    const QByteArray a = expectedAfter(path, sA);
    const QByteArray b = expectedAfter(path, sB);
    const auto write = (std::chrono::steady_clock::now() - started) / 2;
    ASSERT_NE(a, b);

    std::random_device seed;
    std::mt19937 random(seed());
    // Kills land anywhere in the first four writes after start-up, however long a write takes
    // on this machine and build.
    std::uniform_int_distribution<long long> delayUs(
        0, 4 * std::chrono::duration_cast<std::chrono::microseconds>(write).count());
    int sawA = 0;
    int sawB = 0;
    QStringList strays;
    for (int kill = 0; kill < sKills; ++kill) {
        QProcess writer;
        writer.start(TAVRO_CRASH_WRITER,
                     {path, QString::number(sA.frequency), QString::number(sA.stereo),
                      QString::number(sB.frequency), QString::number(sB.stereo)});
        ASSERT_TRUE(writer.waitForReadyRead(10000)) << writer.readAllStandardError().toStdString();
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(10000));
        ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit)
            << "the writer stopped on its own: " << writer.readAllStandardError().toStdString();

        const QByteArray now = contents(path);
        ASSERT_TRUE(now == a || now == b) << "after kill " << kill << ":\n" << now.toStdString();
        (now == a ? sawA : sawB) += 1;

        // What a killed writer may leave beside the file: the new file under its temporary name,
        // complete, made visible just before the rename that would have replaced the file.
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) {
            if (name == "settings.plist" || strays.contains(name)) {
                continue;
            }
            EXPECT_TRUE(
                QRegularExpression("^settings\\.plist\\.[A-Za-z0-9]{6}$").match(name).hasMatch())
                << name.toStdString();
            const QByteArray stray = contents(dir.filePath(name));
            EXPECT_TRUE(stray == a || stray == b) << name.toStdString() << " is a partial file";
            strays << name;
        }
    }
    std::printf("%d kills: %d left the first choice, %d the second, %lld a temporary file\n",
                sKills, sawA, sawB, static_cast<long long>(strays.size()));
    // The writer does nothing but write, so every kill lands in a write; both choices were
    // seen, so the kills fell at different points of the alternation.
    EXPECT_GT(sawA, 0);
    EXPECT_GT(sawB, 0);
    EXPECT_LE(strays.size(), sKills / 4);
}

} // namespace
