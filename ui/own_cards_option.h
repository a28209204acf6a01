#pragma once

class QGroupBox;
class QRadioButton;
class QRect;

namespace baralune {

// Adds "My Own Cards" to the main window's Analyze Mode group at `place`, after Automatic and
// Manual, in their look: auto-exclusive siblings, one Tab stop (the checked one); Left and Up,
// Right and Down move to the previous and the next of them in that order and check it.
QRadioButton* AddOwnCardsOption(QGroupBox* group, QRadioButton* automatic, QRadioButton* manual,
                                const QRect& place);

}  // namespace baralune
