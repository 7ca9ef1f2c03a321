// A single-line text box: the place field and the route field.
#pragma once

#include "platform/Control.h"
#include "platform/TextField.h"

#include <QLineEdit>

namespace zwervel {

// A single-line text box: the place field and the route field.
class TextBox : public Control<QLineEdit>, public TextField {
public:
    explicit TextBox(QWidget* parent);

    QString Text() const override { return text(); }
    void setText(const QString& text) override { QLineEdit::setText(text); }
    int SelStart() const override;
    void setSelStart(int position) override;
    int SelLength() const override;
    void setSelLength(int length) override;
    QString SelText() const override { return selectedText(); }
    int TextLength() const override { return int(text().size()); }
    void SetFocus() override { setFocus(Qt::OtherFocusReason); }

protected:
    // A click may reach a field while its window is inactive; the window then gives the field
    // the focus back when it is activated, and the field must hand it on as after any click.
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace zwervel
