// A picture that acts as a button.
#pragma once

#include "platform/Control.h"

#include <QIcon>
#include <QWidget>

namespace zwervel {

// A 16 × 16 picture that reacts to the mouse, takes no focus and has no caption.
class PictureButton : public Control<QWidget> {
public:
    explicit PictureButton(QWidget* parent);
    void setPicture(const QIcon& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon m_picture;
};

} // namespace zwervel
