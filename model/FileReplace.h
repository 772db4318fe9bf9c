#pragma once

#include <QByteArrayView>
#include <QString>

#include <vector>

// Makes the file FileName (whose folder exists) hold the pieces one after another. The new
// contents go to a temporary file that replaces the old one at the end; when the folder allows
// no temporary file, an existing regular file is rewritten in place, keeping its mode. Returns
// false on any failure, with the old file as it was.
bool ReplaceFileContents(const QString& FileName, const std::vector<QByteArrayView>& Pieces);
