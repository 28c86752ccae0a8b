#pragma once

#include "DialogDriving.h"
#include "comms/ui/DownloadDialog.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

// Clicks the link's Cancel while the handheld is silent: within a second the
// dialog shows "Cancelled" on its error page with the port closed.
inline void cancelWithinASecond(DownloadDialog& dialog) {
    QElapsedTimer clock;
    clock.start();
    click(dialog, "LinkCancelButton");
    ASSERT_TRUE(
        eventually([&] { return dialog.currentPage() == DownloadDialog::ErrorPage; }, 2000));
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(labelText(dialog, "ErrorLabel"), QStringLiteral("Cancelled"));
    EXPECT_FALSE(dialog.portOpen());
}
