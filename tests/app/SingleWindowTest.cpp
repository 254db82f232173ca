// A later start finds the first by the folder itself, however it is spelt,
// and hands its activation token to the window it brings forward.
#include "app/SingleWindow.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <future>
#include <gtest/gtest.h>

TEST(SingleWindow, ALaterStartThroughALinkReachesTheFirstWithItsToken) {
    QTemporaryDir folder, elsewhere;
    const QString working = folder.path() + '/';
    const QString alias = elsewhere.filePath("alias");
    ASSERT_TRUE(QFile::link(folder.path(), alias));
    SingleWindow first(working);
    QByteArray token;
    ASSERT_EQ(first.claim([&](const QByteArray& t) { token = t; }), SingleWindow::Outcome::Open);
    qputenv("XDG_ACTIVATION_TOKEN", "token-of-the-later-start");
    // The later start waits for the answer, so it asks from a thread of its own.
    auto later = std::async(std::launch::async, [&] {
        SingleWindow second(alias + '/');
        return second.claim([](const QByteArray&) {});
    });
    while (later.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        QApplication::processEvents();
    qunsetenv("XDG_ACTIVATION_TOKEN");
    EXPECT_EQ(later.get(), SingleWindow::Outcome::Shown);
    EXPECT_EQ(token, "token-of-the-later-start");
}
