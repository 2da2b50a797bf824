#pragma once
// The undo layer's copy of the analysis state (event and dims), for the steps that change
// it: the event search and the dims edits.

#include <memory>

#include "core/EditScope.h"

namespace corv {

// Declares the analysis state in an edit scope.
EditScope& WithAnalysis(EditScope& scope);

}  // namespace corv
