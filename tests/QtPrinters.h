#pragma once

// Readable GoogleTest output for Qt strings.

#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& AText, std::ostream* AStream) {
    *AStream << '"' << AText.toStdString() << '"';
}

inline void PrintTo(const QStringList& AList, std::ostream* AStream) {
    *AStream << '{';
    for (const QString& text : AList) *AStream << " \"" << text.toStdString() << '"';
    *AStream << " }";
}
