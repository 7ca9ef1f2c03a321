// A static caption of the form.
#pragma once

#include "platform/Control.h"

#include <QLabel>
#include <QString>

namespace zwervel {

// A static caption.
class Label : public Control<QLabel> {
public:
    explicit Label(QWidget* parent);

    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    // How often the caption was written: the hover rules promise few writes.
    int captionWrites() const { return m_captionWrites; }

private:
    QString m_caption;
    int m_captionWrites = 0;
};

} // namespace zwervel
