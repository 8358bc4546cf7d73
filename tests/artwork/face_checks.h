// Checks of a background against the texts its editor draws on it.
#pragma once

#include <vector>

#include "face_requirements.h"

namespace arttest {

// Each text's rectangle (inside the face, short of the panel's right edge)
// is plain panel of one colour, the same for all texts.
void expectTextsOnPlainPanel(const Pixels& background, const std::vector<TextDisplay>& texts);
// What each text copies from its back point looks exactly like what lies
// under the text, so no seam shows around it.
void expectSeamlessCopies(const Pixels& background, const std::vector<TextDisplay>& texts);

}  // namespace arttest
