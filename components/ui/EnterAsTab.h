#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class KeyPreview;

// Makes Enter move to the next control of a window, and optionally Esc close it. The window sees
// the keys before its controls do; a focused button still takes Enter as a click.
class TEnterAsTab : public QObject {
    Q_OBJECT
public:
    explicit TEnterAsTab(QObject* owner = nullptr);

    bool enterAsTabKey() const { return enterAsTabKey_; }
    void setEnterAsTabKey(bool on) { enterAsTabKey_ = on; }
    bool escapeAsClose() const { return escapeAsClose_; }
    void setEscapeAsClose(bool on) { escapeAsClose_ = on; }
    QWidget* parentForm() const { return form_; }
    void setParentForm(QWidget* form);

private:
    bool handleKey(QKeyEvent* event);

    bool enterAsTabKey_ = true;
    bool escapeAsClose_ = false;
    QPointer<QWidget> form_;
    QPointer<KeyPreview> preview_;
};
