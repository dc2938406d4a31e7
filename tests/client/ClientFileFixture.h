#pragma once

#include "ClientFixture.h"

#include "client/ClientFileCommands.h"
#include "platform/Registry.h"

#include <QDir>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Stands in for the main window and its dialogs: records what the commands ask of it and answers
// the new-client and folder dialogs from queues the test fills.
class RecordingHost : public ClientFileHost {
public:
    struct FolderAsk {
        FolderDialog dialog;
        QString fileName;
        QString location;
        QString folder;
    };

    void UpdateFormCaption() override { calls.push_back(QStringLiteral("Caption")); }
    void EnableMenuItems(bool enableIt) override
    {
        calls.push_back(enableIt ? QStringLiteral("Enable") : QStringLiteral("Disable"));
    }
    void SetupProcessingMenu() override { calls.push_back(QStringLiteral("Processing")); }
    void MnuCompanyClick() override
    {
        calls.push_back(QStringLiteral("Company"));
        if (onCompany)
            onCompany();
    }
    void MnuStateClick() override { calls.push_back(QStringLiteral("State")); }
    void MnuCityClick() override { calls.push_back(QStringLiteral("City")); }
    void MnuEmployeesClick() override { calls.push_back(QStringLiteral("Employees")); }
    void ShowMsgWin(const QString& caption, const QString& text) override
    {
        calls.push_back(QStringLiteral("MsgWin"));
        msgWinCaption = caption;
        msgWinText = text;
        msgWinOpen = true;
    }
    void CloseMsgWin() override
    {
        calls.push_back(QStringLiteral("CloseMsgWin"));
        msgWinOpen = false;
    }
    std::optional<QString> AskNewFileName() override
    {
        calls.push_back(QStringLiteral("NewFileDlg"));
        return next(newNames, "new-client dialog");
    }
    std::optional<QString> AskClientFolder(FolderDialog dialog, const QString& fileName, const QString& location,
                                           const QString& folder) override
    {
        calls.push_back(dialog == FolderDialog::Backup ? QStringLiteral("BackupDlg") : QStringLiteral("RestoreDlg"));
        folderAsks.push_back({dialog, fileName, location, folder});
        return next(folders, "folder dialog");
    }

    int count(const QString& call) const { return static_cast<int>(std::count(calls.begin(), calls.end(), call)); }

    std::vector<QString> calls;
    std::deque<std::optional<QString>> newNames;
    std::deque<std::optional<QString>> folders;
    std::vector<FolderAsk> folderAsks;
    std::function<void()> onCompany;
    QString msgWinCaption;
    QString msgWinText;
    bool msgWinOpen = false;

private:
    static std::optional<QString> next(std::deque<std::optional<QString>>& queue, const char* what)
    {
        if (queue.empty()) {
            ADD_FAILURE() << "Unexpected " << what;
            return std::nullopt;
        }
        const QString answer = queue.front().value_or(QString());
        const bool given = queue.front().has_value();
        queue.pop_front();
        return given ? std::optional<QString>(answer) : std::nullopt;
    }
};

// A client test with the program's folders, its registry and the client-file commands.
class ClientFileTest : public ClientTest {
protected:
    void SetUp() override
    {
        ClientTest::SetUp();
        ASSERT_TRUE(QDir().mkpath(DataDir));
        ASSERT_TRUE(QDir().mkpath(BackupDir));
        RegistryRoot = QStringLiteral("Software\\Ledgora\\2026\\");
        AppRegistry = std::make_unique<Registry>();
        MRUList = QStringList(QList<QString>(10));
        commands = std::make_unique<ClientFileCommands>(*module, host);
    }

    void TearDown() override
    {
        EXPECT_TRUE(host.newNames.empty()) << "Not every new-client name was asked for";
        EXPECT_TRUE(host.folders.empty()) << "Not every folder was asked for";
        EXPECT_FALSE(host.msgWinOpen) << "The message window was left open";
        commands.reset();
        ClientTest::TearDown();
    }

    // A client in the data folder with a company name and one employee, closed again so that its
    // files hold everything; returns its employee file.
    QString makeClient(const QString& name, const QString& company)
    {
        const QString path = DataDir + name + QStringLiteral(".P26");
        EXPECT_TRUE(module->OpenClient(path));
        CompanyRec.Name = company;
        module->RSCompany.PostRec();
        EmployeeRec.LastName = company + QStringLiteral(" Employee");
        module->RSEmployee.PostRec();
        module->RSEmployee.CloseRecSet();
        MRUList = QStringList(QList<QString>(10));
        CurFileName.clear();
        FileIsOpen = false;
        return path;
    }

    void open(const QString& path) { ASSERT_TRUE(module->OpenClient(path)); }

    RecordingHost host;
    std::unique_ptr<ClientFileCommands> commands;
};
