// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// A fixture with the program's two windows created as at start-up and the
// main window shown; both are destroyed after each test.
#include "Application.h"
#include "TestSupport.h"
#include "u_frmInfo.h"
#include "u_frmMain.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace vorn;

class AppWindows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ClearReports();
        Application->CreateForm(frmMain);
        Application->CreateForm(frmInfo);
        frmMain->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frmMain));
    }
    void TearDown() override
    {
        delete frmMain;
        delete frmInfo;
        frmMain = nullptr;
        frmInfo = nullptr;
    }
};
