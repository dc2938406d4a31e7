#pragma once

#include "platform/report/ReportLayout.h"

#include <QString>
#include <QStringList>

#include <memory>

class ReportSystem;

// The report project "TAXFORMS.RAV" beside the program: its named layouts, drawn into the report
// that is running (the engine) as the background of a page or filled with parameters.
class ReportProject {
public:
    ReportProject();

    // The project file; the program's is ProgramDir() + "TAXFORMS.RAV".
    QString ProjectFile;
    // The report system whose running report the layouts are drawn on.
    ReportSystem* Engine = nullptr;

    // Reads and checks the project file, or takes the layouts already parsed from it in this
    // run; raises EReportException when it is missing or damaged.
    void Open();
    void Close();
    bool Active() const { return content_ != nullptr; }
    QStringList ReportNames() const;
    const ReportLayout* Layout(const QString& name) const;

    // Selects the layout that Execute draws; false when the project has no such layout (Execute
    // then says so).
    bool SelectReport(const QString& name, bool designMode);
    void SetParam(const QString& name, const QString& value) { params_.Set(name, value); }
    QString GetParam(const QString& name) const { return params_.Get(name); }
    void ClearParams() { params_.Clear(); }
    // Draws the selected layout with the parameters set on the engine's current page.
    void Execute();
    // Selects the layout by name and draws it.
    void ExecuteReport(const QString& name);

private:
    const ReportLayout& selected() const;

    std::shared_ptr<const ReportProjectContent> content_;
    QString selectedName_;
    LayoutParams params_;
};
