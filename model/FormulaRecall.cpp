#include "model/FormulaRecall.h"

namespace {

// An empty formula would only clear the line, and one equal to the line would not change it.
bool IsWorthShowing(const QString& AFormula, const QString& ALineText) {
    return !AFormula.isEmpty() && AFormula != ALineText;
}

} // namespace

std::optional<QString> TFormulaRecall::Older(const QStringList& AFormulas,
                                             const QString& ALineText) {
    FollowChanges(AFormulas, ALineText);
    for (qsizetype position = FIsRecalling ? FPosition + 1 : 0; position < AFormulas.size();
         ++position) {
        if (!IsWorthShowing(AFormulas[position], ALineText)) continue;
        if (!FIsRecalling) FDraft = ALineText;
        FIsRecalling = true;
        return Show(AFormulas, position);
    }
    return std::nullopt;
}

std::optional<QString> TFormulaRecall::Newer(const QStringList& AFormulas,
                                             const QString& ALineText) {
    FollowChanges(AFormulas, ALineText);
    if (!FIsRecalling) return std::nullopt;
    for (qsizetype position = FPosition - 1; position >= 0; --position)
        if (IsWorthShowing(AFormulas[position], ALineText)) return Show(AFormulas, position);
    const QString draft = FDraft;
    Reset();
    return draft;
}

void TFormulaRecall::Reset() {
    FIsRecalling = false;
    FPosition = -1;
    FDraft.clear();
    FShown.clear();
}

// An edit ends the walk; a history changed under the walk moves its place to the formula shown.
void TFormulaRecall::FollowChanges(const QStringList& AFormulas, const QString& ALineText) {
    if (!FIsRecalling) return;
    if (ALineText != FShown) {
        Reset();
        return;
    }
    const bool isInPlace = FPosition < 0 || // above the newest already: no place to lose
                           (FPosition < AFormulas.size() && AFormulas[FPosition] == FShown);
    if (!isInPlace) FPosition = AFormulas.indexOf(FShown);
}

QString TFormulaRecall::Show(const QStringList& AFormulas, qsizetype APosition) {
    FPosition = APosition;
    FShown = AFormulas[APosition];
    return FShown;
}
