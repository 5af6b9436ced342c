#include "sounds.h"

#include "manifest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

namespace assetgen {

namespace {

// A recipe that has not finished in this time is stuck (sox waiting on a pipe, say):
// better a failed build with a message than one that never ends.
constexpr int kProcessTimeoutMs = 120'000;

const QStringList kPcmOutput = {QStringLiteral("-r"), QString::number(kSampleRate),      QStringLiteral("-c"),
                                QStringLiteral("1"),  QStringLiteral("-b"),              QStringLiteral("16"),
                                QStringLiteral("-e"), QStringLiteral("signed-integer")};

QString describe(const QString& program, const QStringList& args)
{
    QStringList shown{QFileInfo(program).fileName()};
    for (const QString& arg : args)
        shown << (arg.contains(u' ') || arg.isEmpty() ? u'"' + arg + u'"' : arg);
    return shown.join(u' ');
}

bool run(const QString& program, const QStringList& args, const QString& directory, const QByteArray& input,
         QString* error, const QString& outputFile = {})
{
    QProcess process;
    process.setWorkingDirectory(directory);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    if (input.isNull())
        process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, args);
    if (!process.waitForStarted(-1)) {
        *error = QStringLiteral("cannot start %1: %2").arg(describe(program, args), process.errorString());
        return false;
    }
    if (!input.isNull()) {
        process.write(input);
        process.closeWriteChannel();
    }
    if (!process.waitForFinished(kProcessTimeoutMs)) {
        process.kill();
        process.waitForFinished(-1);
        *error = QStringLiteral("%1 did not finish in %2 s").arg(describe(program, args)).arg(kProcessTimeoutMs / 1000);
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        *error = QStringLiteral("%1 failed (exit %2)%3%4")
                     .arg(describe(program, args))
                     .arg(process.exitStatus() == QProcess::NormalExit ? QString::number(process.exitCode())
                                                                        : QStringLiteral("crash"))
                     .arg(said.isEmpty() ? QString() : QStringLiteral(":\n    "))
                     .arg(said.split(u'\n').join(QStringLiteral("\n    ")));
        return false;
    }
    return true;
}

QByteArray readWav(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("the recipe made no sound file");
        return {};
    }
    return canonicalWav(file.readAll(), error);
}

quint32 le32(const QByteArray& data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

quint16 le16(const QByteArray& data, qsizetype at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

void put32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void put16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

}  // namespace

SoundTools findSoundTools(const QString& workingDirectory)
{
    return {QStandardPaths::findExecutable(QStringLiteral("espeak-ng")),
            QStandardPaths::findExecutable(QStringLiteral("sox")), workingDirectory};
}

QByteArray makeSound(const ManifestLine& line, const SoundTools& tools, QString* error)
{
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        *error = QStringLiteral("cannot make a temporary folder: %1").arg(scratch.errorString());
        return {};
    }
    const QString out = scratch.filePath(QStringLiteral("out.wav"));

    if (line.kind == AssetKind::Speech) {
        const QString voice = scratch.filePath(QStringLiteral("voice.wav"));
        QStringList speak{QStringLiteral("-v"), line.voice.value(QStringLiteral("voice"), QStringLiteral("it")),
                          QStringLiteral("-b"), QStringLiteral("1")};
        const std::pair<const char*, const char*> options[] = {
            {"speed", "-s"}, {"pitch", "-p"}, {"amplitude", "-a"}, {"gap", "-g"}};
        for (const auto& [key, flag] : options) {
            if (line.voice.contains(QLatin1StringView(key)))
                speak << QLatin1StringView(flag) << line.voice.value(QLatin1StringView(key));
        }
        speak << QStringLiteral("-w") << voice << QStringLiteral("--stdin");
        if (!run(tools.espeak, speak, tools.workingDirectory, line.text.toUtf8(), error))
            return {};

        QStringList convert{QStringLiteral("-R"), voice};
        convert << kPcmOutput << out;
        convert << splitArguments(line.voice.value(QStringLiteral("fx")), error);
        // Every spoken line peaks at -1 dB, so the host and the contestants match.
        convert << QStringLiteral("gain") << QStringLiteral("-n") << QStringLiteral("-1");
        if (!error->isEmpty() || !run(tools.sox, convert, tools.workingDirectory, {}, error))
            return {};
    } else {
        // sox runs a piped input ("|command") itself and mixes in whatever it
        // got when the command fails, so a layer could vanish from a sound
        // without a word. Each layer runs here first, every stage of its
        // pipeline checked, into a file that sox then reads.
        QStringList soxArguments = line.soxArguments;
        int layer = 0;
        for (QString& arg : soxArguments) {
            if (!arg.startsWith(u'|'))
                continue;
            const QString file = scratch.filePath(QStringLiteral("layer%1.sox").arg(++layer));
            const QString command = arg.mid(1);
            if (!run(QStringLiteral("bash"), {QStringLiteral("-o"), QStringLiteral("pipefail"), QStringLiteral("-c"), command},
                     tools.workingDirectory, {}, error, file)) {
                *error = QStringLiteral("layer %1 failed: %2").arg(layer).arg(*error);
                return {};
            }
            if (QFileInfo(file).size() == 0) {
                *error = QStringLiteral("layer %1 made no sound: %2").arg(layer).arg(command.simplified().left(120));
                return {};
            }
            arg = file;
        }
        QStringList args{QStringLiteral("-R")};
        const qsizetype at = soxArguments.indexOf(QStringLiteral("%out"));
        if (at < 0) {
            args << QStringLiteral("-n") << kPcmOutput << out << soxArguments;
        } else {
            args << soxArguments.first(at) << kPcmOutput << out << soxArguments.sliced(at + 1);
        }
        if (!run(tools.sox, args, tools.workingDirectory, {}, error))
            return {};
    }
    return readWav(out, error);
}

QByteArray canonicalWav(const QByteArray& wav, QString* error)
{
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE") {
        *error = QStringLiteral("not a RIFF WAVE file");
        return {};
    }
    bool haveFormat = false;
    QByteArray samples;
    bool haveData = false;
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const QByteArray id = wav.mid(at, 4);
        const quint32 size = le32(wav, at + 4);
        const qsizetype body = at + 8;
        if (qsizetype(size) > wav.size() - body) {
            *error = QStringLiteral("the \"%1\" chunk runs past the end of the file").arg(QString::fromLatin1(id));
            return {};
        }
        if (id == "fmt ") {
            if (size < 16) {
                *error = QStringLiteral("the format chunk is too short");
                return {};
            }
            const quint16 tag = le16(wav, body), channels = le16(wav, body + 2), blockAlign = le16(wav, body + 12),
                          bits = le16(wav, body + 14);
            const quint32 rate = le32(wav, body + 4), byteRate = le32(wav, body + 8);
            if (tag != 1 || channels != 1 || rate != quint32(kSampleRate) || bits != 16 || blockAlign != 2
                || byteRate != quint32(kSampleRate) * 2) {
                *error = QStringLiteral("the sound is format %1, %2 channel(s), %3 Hz, %4 bits: not 22050 Hz mono "
                                        "16-bit PCM")
                             .arg(tag)
                             .arg(channels)
                             .arg(rate)
                             .arg(bits);
                return {};
            }
            haveFormat = true;
        } else if (id == "data") {
            samples = wav.mid(body, size);
            haveData = true;
        }
        at = body + size + (size & 1);
    }
    if (!haveFormat || !haveData) {
        *error = QStringLiteral("the WAV file lacks its format or its data");
        return {};
    }
    if (samples.isEmpty() || samples.size() % 2 != 0) {
        *error = QStringLiteral("the sound is empty");
        return {};
    }
    QByteArray out("RIFF");
    put32(out, quint32(36 + samples.size()));
    out.append("WAVEfmt ");
    put32(out, 16);
    put16(out, 1);
    put16(out, 1);
    put32(out, kSampleRate);
    put32(out, kSampleRate * 2);
    put16(out, 2);
    put16(out, 16);
    out.append("data");
    put32(out, quint32(samples.size()));
    out.append(samples);
    return out;
}

}  // namespace assetgen
