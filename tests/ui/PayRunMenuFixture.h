#pragma once

#include "TestSupport.h"

#include "client/PayDataModule.h"
#include "client/PayRecords.h"
#include "client/ui/Launchers.h"
#include "client/ui/PayMain.h"
#include "client/ui/Startup.h"
#include "components/RecordSet.h"
#include "components/StateTables.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstring>
#include <functional>
#include <memory>

inline constexpr const char* kBlank = "  /  /    ";

// A weekly, single employee working in Texas for 25.00 an hour, 40 standard hours a week.
inline void StandardEmployee(const QString& first)
{
    EmployeeRecord& e = EmployeeRec;
    e.FirstName = first;
    e.LastName = QStringLiteral("Smith");
    e.FullName = first + QStringLiteral(" Smith");
    e.Frequency = 1;
    e.Single = true;
    e.RegularRate = 25;
    e.OverTimeRate = 37.5;
    e.StdRegTime = 40;
    e.WorkState = QStringLiteral("TX");
    e.WorkStateIndex = StateCodeIndex(QStringLiteral("TX")) + 1;
    e.DateHired = QStringLiteral("01/05/2015");
}

// The real main window on a client with three weekly employees.
class PayRunMenuFixture : public LedgoraTest {
protected:
    void SetUp() override
    {
        LedgoraTest::SetUp();
        savedFolder_ = QDir::currentPath();
        ResetClientState();
        ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/LEDGORA.FTT"),
                                programDir() + QStringLiteral("/LEDGORA.FTT")));
    }

    void TearDown() override
    {
        session.reset();
        InstallLaunchers();
        ResetClientState();
        QDir::setCurrent(savedFolder_);
        LedgoraTest::TearDown();
    }

    QString clientPath() const { return homeDir() + QStringLiteral("/Documents/Ledgora/2026/Data/ACME.P26"); }

    // A client with three weekly employees, no pay run open, last paid in January.
    void makeClient(const std::function<void()>& edit = {})
    {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(clientPath()).path()));
        {
            TFrmDataModule module;
            ASSERT_TRUE(module.OpenClient(clientPath()));
            CompanyRec.Name = QStringLiteral("Acme Tools");
            CompanyRec.PayDateFrom = QStringLiteral("01/05/2026");
            CompanyRec.PayDateTo = QStringLiteral("01/11/2026");
            CompanyRec.PayDate = QString::fromLatin1(kBlank);
            CompanyRec.ProcessFrequency = 0;
            CompanyRec.PayrollPosted = true;
            CompanyRec.IncludeTips = true;
            for (const char* first : {"Ann", "Bob", "Cy"}) {
                if (QString::fromLatin1(first) != QStringLiteral("Ann"))
                    module.RSEmployee.NewRec();
                StandardEmployee(QString::fromLatin1(first));
                module.RSEmployee.PostRec();
            }
            if (edit)
                edit();
            module.RSCompany.PostRec();
            module.RSEmployee.PostRec();
            module.RSEmployee.CloseRecSet();
        }
        ResetClientState();
    }

    void start()
    {
        MainWindowOptions options;
        options.arguments = {clientPath()};
        options.splashMilliseconds = 0;
        session = StartLedgora(QSize(1280, 1024), options);
        ASSERT_TRUE(session);
        main = session->mainWindow.get();
    }

    // The company record as the company file holds it now.
    CompanyRecord storedCompany() const
    {
        const QByteArray bytes = ReadTestFile(CompanyFileName);
        CompanyRecord stored{};
        EXPECT_GE(bytes.size(), static_cast<qsizetype>(sizeof stored));
        if (bytes.size() >= static_cast<qsizetype>(sizeof stored))
            std::memcpy(&stored, bytes.constData(), sizeof stored);
        return stored;
    }

    // Employee n (from 1) as the employee file holds it now.
    EmployeeRecord storedEmployee(int n) const
    {
        const QByteArray bytes = ReadTestFile(CurFileName);
        EmployeeRecord stored{};
        const qsizetype at = static_cast<qsizetype>(n - 1) * static_cast<qsizetype>(sizeof stored);
        EXPECT_GE(bytes.size(), at + static_cast<qsizetype>(sizeof stored));
        if (bytes.size() >= at + static_cast<qsizetype>(sizeof stored))
            std::memcpy(&stored, bytes.constData() + at, sizeof stored);
        return stored;
    }

    // Holds the client open as another program would, so the main window gets it browse-only.
    std::unique_ptr<TRecordSet> holdClient() const
    {
        auto holder = std::make_unique<TRecordSet>();
        holder->SetRecSize(sizeof(EmployeeRecord));
        holder->SetFileName(clientPath());
        holder->SetFileShareMode(smShareDenyWrite);
        holder->OpenRecSet();
        EXPECT_TRUE(holder->Active());
        return holder;
    }

    bool enabled(MenuItem which) const { return main->item(which)->isEnabled(); }

    std::unique_ptr<LedgoraSession> session;
    TFrmMain* main = nullptr;

private:
    QString savedFolder_;
};

