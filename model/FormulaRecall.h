#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Up and Down in the expression line step through earlier formulas as shells do. At each key the
// window hands over the history's formulas, newest first, and the line's text as it stands, and
// shows the text it gets back; nullopt leaves the line as it is.
//
// The first Up keeps the line's text as the draft. A step passes over formulas equal to the
// line's text and empty ones, so every step changes the line. A line whose text is no longer the
// formula last shown was edited: the walk ends, and the next Up starts again from the newest with
// the edited text as the draft. When the history changed between two steps, the walk goes on
// from where the history now holds the formula shown, or from the newest when it holds it no more.
class TFormulaRecall {
public:
    // Up: the next older formula; nullopt when there is none (the walk stays where it is).
    std::optional<QString> Older(const QStringList& AFormulas, const QString& ALineText);
    // Down: the next newer formula, and past the newest the draft, which ends the walk; nullopt
    // when no walk is going on.
    std::optional<QString> Newer(const QStringList& AFormulas, const QString& ALineText);
    // Ends the walk; the window calls it when the line is evaluated.
    void Reset();
    bool IsRecalling() const { return FIsRecalling; }

private:
    void FollowChanges(const QStringList& AFormulas, const QString& ALineText);
    QString Show(const QStringList& AFormulas, qsizetype APosition);

    bool FIsRecalling = false;
    qsizetype FPosition = -1; // of the formula shown in AFormulas; -1 above the newest
    QString FDraft;
    QString FShown;
};
