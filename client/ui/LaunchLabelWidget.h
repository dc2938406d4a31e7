#pragma once

#include <QLabel>
#include <functional>

struct LaunchLabel;

// One label of the launch panel: white text that turns yellow, bold and underlined under the
// mouse or the keyboard focus while its command can run, and runs it when clicked or when Enter
// or Space is pressed on it. Disabled, while its command is off, it is drawn grey.
class LaunchLabelWidget : public QLabel {
    Q_OBJECT
public:
    LaunchLabelWidget(const LaunchLabel& label, QWidget* parent);

    int tag() const { return tag_; }
    bool isHot() const { return hot_; }
    // The hover look on or off.
    void setHot(bool hot);

    std::function<void(LaunchLabelWidget*)> onEnter;
    std::function<void(LaunchLabelWidget*)> onLeave;
    std::function<void(LaunchLabelWidget*)> onClick;

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int tag_;
    bool hot_ = false;
};
