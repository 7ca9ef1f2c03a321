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

    QString Text() const override;
    // Every line break the box would show becomes one of its lines (see asShown).
    void setText(const QString& text) override;
    int SelStart() const override;
    void setSelStart(int position) override;
    int SelLength() const override;
    void setSelLength(int length) override;
    QString SelText() const override;
    int TextLength() const override;
    void SetFocus() override { setFocus(Qt::OtherFocusReason); }

    // Positions in Text (CR LF = 2) to and from Qt's document positions (a line break = 1).
    // A position that would fall between CR and LF goes to the end of its line, and one
    // between the two halves of a character beyond U+FFFF to the start of that character.
    int toTextPosition(int documentPosition) const;
    int toDocumentPosition(int textPosition) const;

    // A text as the route box holds it once set: every line break it shows (CR LF, a lone CR
    // or LF, a line or paragraph separator) as CR LF.
    static QString asShown(QString text);

protected:
    // Shift+Enter makes the same line break as Enter: Qt's soft line separator would look like
    // a new line but keep two places as one.
    void keyPressEvent(QKeyEvent* event) override;
    // Pasted and dropped text: a line separator in it becomes a line break too.
    void insertFromMimeData(const QMimeData* source) override;

private:
    void takePendingSize();
};

} // namespace zwervel
