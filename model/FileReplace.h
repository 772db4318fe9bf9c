#pragma once

#include <QByteArrayView>
#include <QString>

#include <vector>

// Makes the file FileName (whose folder exists) hold the pieces one after another. The new
// contents go to a temporary file beside it, which takes the old file's owner (where the process
// may) and mode and replaces it at the end. When no temporary file can be made there, an
// existing regular file is rewritten in place: the whole text with one write, then cut to size,
// then synced. Returns false on any failure, with the old file as it was.
bool ReplaceFileContents(const QString& FileName, const std::vector<QByteArrayView>& Pieces);

// Fault injection for tests: the steps of an in-place rewrite, and a hook called before each
// (nullptr, the default, calls nothing). A test may end the process there, as a kill would.
enum class TRewriteStep { Write, Truncate, Sync };
using TRewriteStepHook = void (*)(TRewriteStep Step);
void SetRewriteStepHook(TRewriteStepHook Hook);
