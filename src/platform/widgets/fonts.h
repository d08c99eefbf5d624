#pragma once

// The forms ask for "ＭＳ Ｐゴシック"; these Japanese families stand in for it on Linux.
void installFontSubstitutes();
