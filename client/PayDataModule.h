#pragma once

#include "client/PasswordPrompt.h"
#include "components/RecordSet.h"
#include "platform/report/ReportProject.h"

#include <QObject>
#include <QString>
#include <functional>

// The record sets of the open client and the handlers that keep the global records in step with
// them: after every read a record set's buffer is copied into its global record, before every
// write the global record into the buffer. Opening the employee file opens the company file
// beside it (asking the client's password), then the state and city tables; closing it closes
// them again. All four files are opened deny-write, so a second opener gets them browse-only.
class TFrmDataModule : public QObject {
    Q_OBJECT
public:
    // The first data module created becomes FrmDataModule.
    explicit TFrmDataModule(QObject* owner = nullptr);
    ~TFrmDataModule() override;

    ReportProject RaveProject; // the printed forms' layouts, TAXFORMS.RAV beside the program
    TPasswordDialog PasswordDialog;
    TRecordSet RSCompany;   // the company file (".C26")
    TRecordSet RSEmployee;  // the employee file (".P26"), the file the user opens
    TRecordSet RSState;     // the state tax table
    TRecordSet RSCity;      // the city tax table

    // The recent-files list, kept by the client-file commands: a client enters it when it is
    // closed (MRUList unless replaced), and its menu is refreshed after every open and close.
    std::function<void(const QString& fileName)> AddToRecentFiles;
    std::function<void()> UpdateRecentFilesMenu;

    // Opens the client whose employee file is fileName: sets CurFileName and opens RSEmployee,
    // which opens the company file, asks the password and opens the tax tables. A posting of the
    // client that never finished is undone first (PostingJournal.h). True when the client is
    // open. An opening that fails at any step leaves nothing open, FileIsOpen cleared and
    // CurFileName empty.
    bool OpenClient(const QString& fileName);

private:
    void ForgetClient();
    void companyAfterRead(TRecordSet& sender);
    void companyCreateFile(TRecordSet& sender);
    void employeeBeforeOpen(TRecordSet& sender);
    void employeeAfterOpen(TRecordSet& sender);
    void employeeAfterClose(TRecordSet& sender);
    void employeeCreateFile(TRecordSet& sender);
    void employeeAfterNewRec(TRecordSet& sender);
    void employeeBeforeDelete(TRecordSet& sender);
    void stateCreateFile(TRecordSet& sender);
    void stateAfterOpen(TRecordSet& sender);
    void cityCreateFile(TRecordSet& sender);
    void cityAfterOpen(TRecordSet& sender);
    void cityBeforeDelete(TRecordSet& sender);
};

// The data module of the program, created at start-up; null before.
extern TFrmDataModule* FrmDataModule;

// FrmDataModule; raises ECustomException when none was created.
TFrmDataModule& DataModule();

// The client's last address line as the company record holds it: City, State and ZipCode, or for
// a foreign address City, ForeignCountry, ForeignProvCo and ForeignZipCode, joined by single
// blanks and taken as stored.
QString BuildCompanyCityStateZip();
