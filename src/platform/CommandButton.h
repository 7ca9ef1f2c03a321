// The form's one captioned push button.
#pragma once

#include "platform/Control.h"

#include <QPushButton>

namespace zwervel {

// The one captioned push button.
class CommandButton : public Control<QPushButton> {
public:
    explicit CommandButton(QWidget* parent) : Control<QPushButton>(parent)
    {
        setAutoDefault(false);
    }
};

} // namespace zwervel
