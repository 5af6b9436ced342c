#pragma once

// Spoken lines (espeak-ng's Italian voice, then sox) and effects (a sox recipe).
// Every sound ends up 22050 Hz, mono, 16-bit PCM, with the plain 44-byte RIFF header
// from which the game reads a sound's length.

#include <QByteArray>
#include <QString>

namespace assetgen {

struct ManifestLine;

inline constexpr int kSampleRate = 22050;

struct SoundTools {
    QString espeak;  // full paths, empty when not found
    QString sox;
    QString workingDirectory;  // recipes name files relative to the manifest
};

SoundTools findSoundTools(const QString& workingDirectory);

// Makes the sound of a manifest line. Returns the WAV file's bytes, or an empty
// array with *error set (the command, its exit and what it printed).
QByteArray makeSound(const ManifestLine& line, const SoundTools& tools, QString* error);

// Checks a WAV file and returns it with the canonical header (RIFF, "fmt " of 16
// bytes, "data"), or an empty array with *error set.
QByteArray canonicalWav(const QByteArray& wav, QString* error);

}  // namespace assetgen
