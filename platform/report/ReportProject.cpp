#include "platform/report/ReportProject.h"

#include "platform/Folders.h"
#include "platform/report/ParsedProjects.h"
#include "platform/report/ReportErrors.h"
#include "platform/report/ReportSystem.h"

#include <QFileInfo>

namespace {

QString fileNameOf(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.isEmpty() ? path : name;
}

} // namespace

ReportProject::ReportProject()
    : ProjectFile(ProgramDir() + QStringLiteral("TAXFORMS.RAV"))
{
}

void ReportProject::Open()
{
    content_ = ParsedReportProject(ProjectFile);
}

void ReportProject::Close()
{
    content_.reset();
    selectedName_.clear();
    params_.Clear();
}

QStringList ReportProject::ReportNames() const
{
    QStringList names;
    if (content_) {
        for (const ReportLayout& layout : content_->layouts)
            names << layout.name;
    }
    return names;
}

const ReportLayout* ReportProject::Layout(const QString& name) const
{
    return content_ ? content_->Find(name) : nullptr;
}

bool ReportProject::SelectReport(const QString& name, bool)
{
    selectedName_ = name;
    return Layout(name) != nullptr;
}

const ReportLayout& ReportProject::selected() const
{
    if (!content_)
        throw EReportException(QStringLiteral("The report project \"%1\" is not open.").arg(fileNameOf(ProjectFile)));
    if (selectedName_.isEmpty())
        throw EReportException(QStringLiteral("No layout of the report project \"%1\" is selected.").arg(fileNameOf(ProjectFile)));
    const ReportLayout* layout = content_->Find(selectedName_);
    if (!layout)
        throw EReportException(QStringLiteral("The report project \"%1\" has no layout \"%2\".")
                                   .arg(fileNameOf(ProjectFile), selectedName_));
    return *layout;
}

void ReportProject::Execute()
{
    const ReportLayout& layout = selected();
    ReportCanvas* canvas = Engine ? Engine->Canvas() : nullptr;
    if (!canvas)
        throw EReportException(QStringLiteral("The layout \"%1\" cannot be drawn: no report is running.").arg(layout.name));
    DrawLayout(layout, *canvas, params_);
}

void ReportProject::ExecuteReport(const QString& name)
{
    SelectReport(name, false);
    Execute();
}
