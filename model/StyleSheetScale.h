#pragma once

#include <QString>

// The style sheet with every length in pixels ("3px", "0.5px") multiplied by AScale and rounded
// to whole pixels. A length that is not zero stays at least one pixel, so thin borders do not
// vanish at small scales. Everything else is left as it is.
QString ScaledStyleSheet(const QString& ASheet, double AScale);
