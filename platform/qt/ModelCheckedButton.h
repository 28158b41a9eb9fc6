#pragma once

// A Qt button whose check state only the model sets. Qt would otherwise
// check a radio button itself when it is clicked; here a click is only
// reported, and the check that shows is the one the model mirrors back,
// "none checked" included. As on the desktop the model stands for, the
// whole control takes the click, not just its indicator and text.

#include <QPoint>

namespace platform {

template <typename Button>
class ModelCheckedButton : public Button {
public:
    using Button::Button;

protected:
    void nextCheckState() override {}
    bool hitButton(const QPoint& position) const override { return this->rect().contains(position); }
};

}  // namespace platform
