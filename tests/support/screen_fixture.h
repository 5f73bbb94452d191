#pragma once
// Shared fixture for tests that need Qt: the offscreen platform, a fresh
// application directory per test, and a watchdog that closes and reports any
// modal dialog the test did not announce, so a test fails instead of hanging.
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

namespace revtal::test {

class ScreenFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The scratch application directory of this test (templates are copied in).
    QString appDir() const;

    // The next modal dialog that appears is handed to this handler (which must
    // close it, e.g. by accepting it). Announce one handler per dialog.
    using ModalHandler = std::function<void(QWidget* dialog)>;
    void expectModal(ModalHandler handler);
    // Accept the next message box and remember its text in modalTexts.
    void expectMessageBox();

    QStringList modalTexts;     // texts of message boxes handled
    QStringList unexpected;     // titles of dialogs nobody announced

private:
    void watch();

    std::unique_ptr<QTemporaryDir> dir_;
    QTimer* watchdog_ = nullptr;
    std::vector<ModalHandler> handlers_;
    QPointer<QWidget> lastHandled_;
};

// Finds a child by object name and type, failing the test when missing.
template <typename T>
T* child(QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << "no child named " << name;
    return found;
}

}  // namespace revtal::test
