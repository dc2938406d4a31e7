#pragma once

#include "components/ui/EntryFieldSupport.h"

#include <QLineEdit>

// A one-character box showing "X" when checked, used in place of a check box on the form-like
// screens. A click or Space toggles it unless it is read-only; no other key changes it. Its text
// is the one record of its state: checked exactly when the text is "X".
class TCheckBoxEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TCheckBoxEdit(QWidget* parent = nullptr);

    TAlignment textAlignment() const { return alignment_; }
    void setTextAlignment(TAlignment alignment);
    bool checked() const;
    void setChecked(bool checked);

signals:
    // A click, after the toggle; also on a read-only box.
    void clicked();
    // A typed character: Space, or null for any other character.
    void keyPressed(QChar& key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    TAlignment alignment_ = taCenter;
    bool pressed_ = false;
};
