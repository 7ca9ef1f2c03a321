// The multi-line route box.
#pragma once

#include "platform/Control.h"
#include "platform/TextField.h"

#include <QPlainTextEdit>

namespace zwervel {

// The multi-line route box. Its Text separates lines with CR LF and its positions count each
// CR LF as two characters, as the rules expect; underneath, Qt keeps one block per line.
class RouteBox : public Control<QPlainTextEdit>, public TextField {
public:
    explicit RouteBox(QWidget* parent);

    // Lone CR and lone LF become line breaks too: the editor has no other way to keep them.
    QString Text() const override;
    // The document's own text, where a line break is one paragraph separator (U+2029): Text
    // before its CR LF copy is made, for readers that take U+2029 as a line break themselves.
    QString documentText() const;
    void setText(const QString& text) override;
    int SelStart() const override;
    void setSelStart(int position) override;
    int SelLength() const override;
    void setSelLength(int length) override;
    QString SelText() const override;
    int TextLength() const override;
    void SetFocus() override { setFocus(Qt::OtherFocusReason); }

    // Positions in Text (CR LF = 2) to and from Qt's document positions (a line break = 1).
    // A position that would fall between CR and LF goes to the end of its line.
    int toTextPosition(int documentPosition) const;
    int toDocumentPosition(int textPosition) const;

protected:
    // Shift+Enter makes the same line break as Enter: Qt's soft line separator would look like
    // a new line but keep two places as one.
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace zwervel
