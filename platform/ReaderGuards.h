// SPDX-FileCopyrightText: 2026 El equipo de Quilto <quilto@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What Qt's image readers are not handed: files whose reader is not trusted,
// and files whose declared layout would make a trusted reader run away in
// time or memory. Each check reads a few header bytes and leaves the file's
// position as it was.
#include <QByteArray>
#include <QIODevice>

namespace quilto {

// True when the reader named `format` (QImageReader::format()) may read this file.
bool SafeToRead(const QByteArray& format, QIODevice& file);

}  // namespace quilto
