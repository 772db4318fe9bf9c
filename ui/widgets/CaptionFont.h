#pragma once

// The font embedded for the window's own non-ASCII texts ("＋", "税込", "閉じる", ...): a subset of
// Noto Sans CJK JP holding exactly those characters, so that they render on machines without a
// CJK font. scripts/subset-caption-font.py regenerates it from the window's sources.

#include <QStringList>

// Family name of the embedded faces (regular and bold); DesignFont lists it as a fallback.
inline constexpr char CaptionFontFamily[] = "Zemtrix Captions";

// Resource paths of the embedded faces, regular first.
QStringList CaptionFontFiles();

// Registers the embedded faces with the font database once per process; later calls only
// report the first result. False when a face could not be registered.
bool RegisterCaptionFont();
