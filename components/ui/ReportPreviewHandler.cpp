#include "components/ui/ReportPreviewHandler.h"

#include "components/ui/ReportPreviewWindow.h"
#include "platform/ui/ReportPageView.h"
#include "platform/ui/ShowModal.h"

#include <QEventLoop>
#include <QPointer>

void ShowReportPreview(QWidget* owner, ReportSystem& system, OverrideMode mode, QObject*& form)
{
    auto* preview = qobject_cast<TFrmReportPreview*>(form);
    const bool modal = system.SystemOptions & soPreviewModal;
    switch (mode) {
    case OverrideMode::omCreate: {
        auto* created = new TFrmReportPreview(owner);
        created->setWindowTitle(system.TitlePreview);
        created->resize(system.SystemPreview.FormWidth, system.SystemPreview.FormHeight);
        if (system.SystemPreview.FormState == PreviewFormState::Maximized)
            created->setWindowState(Qt::WindowMaximized);
        created->System = &system;
        form = created;
        break;
    }
    case OverrideMode::omShow: {
        if (!preview)
            return;
        PreviewRenderSettings settings = preview->RvRenderPreview->Settings();
        system.SystemPreview.InitPreview(settings);
        if (system.OnPreviewSetup)
            system.OnPreviewSetup(settings);
        preview->RvRenderPreview->ApplySettings(settings);
        preview->InputFileName = system.SystemFiler.StreamMode == FilerStreamMode::smFile ? system.SystemFiler.FileName : QString();
        preview->InputStream = system.Document();
        preview->InitFromRPSystem();
        if (modal) {
            ShowModal(*preview);
        } else {
            preview->setWindowModality(Qt::ApplicationModal);
            preview->show();
        }
        break;
    }
    case OverrideMode::omWait: {
        if (!preview || modal || !preview->isVisible())
            return;
        // Waits for the window to close while the program goes on drawing and answering it.
        QEventLoop loop;
        QObject::connect(preview, &QDialog::finished, &loop, &QEventLoop::quit);
        QObject::connect(preview, &QObject::destroyed, &loop, &QEventLoop::quit);
        loop.exec();
        break;
    }
    case OverrideMode::omFree:
        if (preview && system.SystemFiler.StreamMode == FilerStreamMode::smFile)
            preview->ReleaseInputFile();
        form = nullptr;
        delete preview;
        break;
    }
}

PreviewOverride ReportPreviewHandler(QWidget* owner)
{
    QPointer<QWidget> guarded(owner);
    return [guarded](ReportSystem& system, OverrideMode mode, QObject*& form) {
        ShowReportPreview(guarded, system, mode, form);
    };
}
