#pragma once

// The text of an option button's in-place editor: "title:expression", read back with either
// the half-width or the full-width colon.

#include <QString>

struct TOptionEditLine {
    QString Title;
    QString Expression;
};

// "title:expression", or the expression alone when the title is empty.
QString OptionEditText(const QString& Title, const QString& Expression);

// Splits a line at the half-width colon when it holds one, else at the full-width colon; the
// first part is the title, the second the expression, further parts are dropped. A line
// without a colon is all expression.
TOptionEditLine ReadOptionEditText(const QString& Text);

// What the button shows: its title, or its expression when the title is empty.
QString OptionCaption(const QString& Title, const QString& Expression);
