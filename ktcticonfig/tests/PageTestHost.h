// A window stand-in for page tests: it holds the model and answers message boxes, keeping their texts.
#pragma once

#include "ktcticonfig/tests/TempDirectory.h"
#include "ktcticonfig/ui/ConfigPage.h"

#include <QScrollArea>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <semaphore.h>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace ktcticonfig::test {

class RecordingDialogs : public Dialogs
{
public:
    DialogAnswer show(std::string_view text, DialogButtons, DialogAnswer defaultAnswer) override
    {
        messages.emplace_back(text);
        return defaultAnswer;
    }
    void showError(std::string_view caption, std::string_view text) override
    {
        messages.push_back(std::string(caption) + ": " + std::string(text));
    }

    std::vector<std::string> messages;
};

class PageTestHost : public PageHost
{
public:
    /// The live-log block and its event get names of this test process, removed at the end.
    PageTestHost() { ::setenv("KTDRV_IPC_SUFFIX", ("_ktcticonfig_test_" + std::to_string(::getpid())).c_str(), 1); }
    ~PageTestHost() override
    {
        ::shm_unlink(SharedLogBlock::blockName().c_str());
        ::sem_unlink(SharedLogBlock::eventName().c_str());
    }

    ConfigModel &model() override { return m_model; }
    Dialogs &dialogs() override { return m_dialogs; }
    void rebuildTree(int) override { ++rebuilds; }
    void selectBoard(int) override {}
    SharedLogBlock *logBlock() override { return m_block.data() ? &m_block : nullptr; }
    /// Opens the live-log block the window would share with the driver.
    SharedLogBlock &openLogBlock()
    {
        std::string error;
        EXPECT_TRUE(m_block.open(&error)) << error;
        return m_block;
    }

    /// Makes the page of a kind at the size of the window's page area, or larger when the page needs
    /// more to show every control.
    template <typename Page = ConfigPage> std::unique_ptr<Page> page(PageKind kind)
    {
        std::unique_ptr<Page> p(static_cast<Page *>(createPage(kind, *this, nullptr)));
        QSize size(820, 600);
        if (auto *scroll = p->template findChild<QScrollArea *>(); scroll && scroll->widget()) {
            // The size at which the scroll area shows the whole form, with whatever stands beside it.
            scroll->setMinimumSize(scroll->widget()->minimumSize() + QSize(4, 4));
            size = size.expandedTo(p->sizeHint());
            scroll->setMinimumSize(0, 0);
        }
        p->resize(size);
        return p;
    }

    /// Writes the model to `path` and reads it back, as OK and the next start do; the file's text.
    std::string writeAndRead(const std::string &path)
    {
        RecordingReporter reporter;
        std::string error;
        EXPECT_TRUE(writeModel(path, m_model, reporter));
        EXPECT_TRUE(readModel(path, m_model, reporter, &error)) << error;
        return TempDirectory::read(path);
    }

    ConfigModel m_model;
    SharedLogBlock m_block;
    RecordingDialogs m_dialogs;
    int rebuilds = 0;
};

} // namespace ktcticonfig::test
