// The ribbon's button of the sixteen named colours: its menu of swatches
// runs the colour commands 2000 to 2015 on the selection.
#pragma once

class QToolButton;

QToolButton* MakePaletteButton();
