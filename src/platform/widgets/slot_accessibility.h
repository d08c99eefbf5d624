#pragma once

// Lets screen readers see a slot's picture box as a button and its title as text, rather than
// as anonymous fillers. Their names and descriptions are the widgets' own accessible texts.
void installSlotAccessibility();
