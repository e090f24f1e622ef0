#pragma once
// Small steps that the writers of the platform layer share. Internal to
// src/platform: the editor calls AtomicWrite and TextFile.
#include <QByteArray>
#include <QString>
#include <initializer_list>

#include "platform/AtomicWrite.h"

namespace tw::writing {

QString errorText(int error);

// Up to and including the last "/", or empty.
QByteArray directoryPart(const QByteArray& path);

// Writes the ranges one after another at the descriptor's offset; 0 or errno.
int writeAll(int fd, std::initializer_list<ByteRange> ranges);
qsizetype totalLength(std::initializer_list<ByteRange> ranges);

// Copies length bytes from the start of `from` to the start of `to`; 0 or errno.
int copyContents(int from, int to, qsizetype length);

// Flushes a folder's entries (a rename, a new or removed name) to disk.
void syncDirectory(const QByteArray& directory);

} // namespace tw::writing
