#include "client/ui/HelpWindow.h"

#include "client/ProgramStart.h"
#include "components/ColourContrast.h"
#include "platform/AppMessageBox.h"
#include "platform/FileReading.h"
#include "platform/Folders.h"
#include "platform/ShellOpen.h"
#include "platform/ui/ShowModal.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const char* const kHelpContextProperty = "helpContext";
constexpr int kContentsTopic = 1;

void ReportMissingTopic(int helpContext)
{
    AppMessageBox(QStringLiteral("The help topic %1 cannot be found.").arg(helpContext),
                  QLatin1String(kApplicationTitle), MbOk | MbIconStop);
}

// A topic is read only from a file: a pipe or a folder in its place counts as a missing topic.
bool IsTopicFile(const QString& path)
{
    return QFileInfo::exists(path) && IrregularFileProblem(path).isEmpty();
}

// The topic number of a topic file's address; 0 for anything else.
int TopicOf(const QUrl& source)
{
    if (!source.isLocalFile())
        return 0;
    const QFileInfo file(source.toLocalFile());
    bool ok = false;
    const int topic = file.completeBaseName().toInt(&ok);
    return ok && file.suffix() == QStringLiteral("html") ? topic : 0;
}

// F1 anywhere in the program: the topic of the window (or control) that has the key.
class HelpKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || key->isAutoRepeat())
            return false;
        const int context = HelpContextOf(static_cast<QWidget*>(watched));
        if (context <= 0)
            return false;
        ShowHelp(context);
        return true;
    }
};

void InstallHelpKey()
{
    static HelpKeyFilter* filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new HelpKeyFilter(qApp);
    qApp->installEventFilter(filter);
}

} // namespace

void SetHelpContext(QWidget* widget, int helpContext)
{
    InstallHelpKey();
    widget->setProperty(kHelpContextProperty, helpContext);
}

int HelpContextOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const int context = w->property(kHelpContextProperty).toInt();
        if (context > 0)
            return context;
        if (w->isWindow())
            break;
    }
    return 0;
}

QString HelpTopicFile(int helpContext)
{
    return ProgramDir() + QStringLiteral("help/%1.html").arg(helpContext);
}

void ShowHelp(int helpContext)
{
    if (!QFileInfo::exists(HelpTopicFile(helpContext))) {
        ReportMissingTopic(helpContext);
        return;
    }
    QWidget* over = QApplication::activeModalWidget();
    if (!over)
        over = QApplication::activeWindow();
    TFrmHelp window(over);
    window.ShowTopic(helpContext);
    ShowModal(window);
}

TFrmHelp::TFrmHelp(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmHelp"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMaximizeButtonHint);

    Topic = new QTextBrowser(this);
    Topic->setObjectName(QStringLiteral("Topic"));
    Topic->setOpenLinks(false);
    connect(Topic, &QTextBrowser::anchorClicked, this, &TFrmHelp::FollowLink);
    connect(Topic, &QTextBrowser::sourceChanged, this, [this] { updateCaption(); });

    const auto button = [this](const QString& name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    BtnContents = button(QStringLiteral("BtnContents"), QStringLiteral("&Contents"));
    BtnBack = button(QStringLiteral("BtnBack"), QStringLiteral("&Back"));
    BtnForward = button(QStringLiteral("BtnForward"), QStringLiteral("&Forward"));
    BtnClose = button(QStringLiteral("BtnClose"), QStringLiteral("Close"));
    BtnBack->setEnabled(false);
    BtnForward->setEnabled(false);
    connect(BtnContents, &QPushButton::clicked, this, [this] { ShowTopic(kContentsTopic); });
    connect(BtnBack, &QPushButton::clicked, Topic, &QTextBrowser::backward);
    connect(BtnForward, &QPushButton::clicked, Topic, &QTextBrowser::forward);
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(Topic, &QTextBrowser::backwardAvailable, BtnBack, &QPushButton::setEnabled);
    connect(Topic, &QTextBrowser::forwardAvailable, BtnForward, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BtnContents);
    buttons->addWidget(BtnBack);
    buttons->addWidget(BtnForward);
    buttons->addStretch();
    buttons->addWidget(BtnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(Topic, 1);

    resize(680, 560);
    // The HTML parser colours links with the program's palette, blue whatever the style: a dark
    // style's page needs them lighter.
    Topic->ensurePolished();
    const QPalette colours = Topic->palette();
    Topic->document()->setDefaultStyleSheet(
        QStringLiteral("a { color: %1; }").arg(ReadableInk(colours.color(QPalette::Link), colours.color(QPalette::Base)).name()));
    updateCaption();
}

bool TFrmHelp::ShowTopic(int helpContext)
{
    const QString file = HelpTopicFile(helpContext);
    if (!IsTopicFile(file)) {
        ReportMissingTopic(helpContext);
        return false;
    }
    Topic->setSource(QUrl::fromLocalFile(file));
    return true;
}

int TFrmHelp::CurrentTopic() const
{
    return TopicOf(Topic->source());
}

void TFrmHelp::FollowLink(const QUrl& link)
{
    const QUrl target = Topic->source().resolved(link);
    if (!target.isLocalFile()) {
        OpenWebPage(link.toString());
        return;
    }
    if (const int topic = TopicOf(target); topic > 0 && QFileInfo(target.toLocalFile()).absolutePath()
                                                            == QFileInfo(HelpTopicFile(topic)).absolutePath()) {
        if (target.hasFragment() && topic == CurrentTopic())
            Topic->scrollToAnchor(target.fragment());
        else if (IsTopicFile(target.toLocalFile()))
            Topic->setSource(target);
        else
            ReportMissingTopic(topic);
    }
}

void TFrmHelp::updateCaption()
{
    const QString title = Topic->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Ledgora 2026 Help")
                                   : QStringLiteral("Ledgora 2026 Help - ") + title);
}
