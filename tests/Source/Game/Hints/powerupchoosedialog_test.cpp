#include "Game/Hints/powerupchoosedialog.h"

#include <gtest/gtest.h>

#include <vector>

#include "Game/Context/gamecontext.h"

namespace {

class PowerupChooseDialogTest : public ::testing::Test {
protected:
    void SetUp() override { drainEvents(); }
    void TearDown() override
    {
        drainEvents();
        CGameContext::Instance().m_nPowerup = 0;
        CHintManager::Instance().setGroup(CHintManager::NO_GROUP);
    }
    static std::vector<int> drainEvents()
    {
        std::vector<int> codes;
        GameEvent event;
        while (CGameContext::Instance().peekEvent(event)) {
            codes.push_back(event.nCode);
            CGameContext::Instance().popEvent();
        }
        return codes;
    }
    std::vector<bool> enabled() const
    {
        std::vector<bool> flags;
        for (const auto& pItem : m_Dialog.items())
            flags.push_back(pItem->isEnabled());
        return flags;
    }
    void clickOn(int nItem, const D3DXVECTOR3& vFromItem = D3DXVECTOR3(0.0f, 0.0f, 0.0f))
    {
        m_Dialog.update(m_Dialog.items()[size_t(nItem)]->position() + vFromItem);
        m_Dialog.click();
    }

    CPowerupChooseDialog m_Dialog;
};

TEST_F(PowerupChooseDialogTest, LevelsPowerupValueEnablesTheFirstItems)
{
    EXPECT_EQ(enabled(), std::vector<bool>({true, true, true, false, false}));
    for (int nValue = 0; nValue <= 5; ++nValue) {
        m_Dialog.setAvailable(nValue);
        const std::vector<bool> flags = enabled();
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(flags[size_t(i)], i < nValue) << nValue << " " << i;
    }
}

// A click picks the item under the mouse (or its check box) when it may
// be picked; the OK button hands its power-up on.
TEST_F(PowerupChooseDialogTest, ClickPicksAnEnabledItemAndOkChoosesItsPowerup)
{
    m_Dialog.setAvailable(3);
    EXPECT_TRUE(m_Dialog.items()[0]->isChecked());
    clickOn(2, D3DXVECTOR3(0.0f, -70.0f + 10.0f, 0.0f));
    EXPECT_FALSE(m_Dialog.items()[0]->isChecked());
    EXPECT_TRUE(m_Dialog.items()[2]->isChecked());
    clickOn(4);
    EXPECT_TRUE(m_Dialog.items()[2]->isChecked());
    EXPECT_FALSE(m_Dialog.items()[4]->isChecked());
    m_Dialog.update(D3DXVECTOR3(0.0f, -250.0f, 0.0f));
    m_Dialog.click();
    EXPECT_TRUE(m_Dialog.items()[2]->isChecked());
    m_Dialog.onOk();
    EXPECT_EQ(CGameContext::Instance().m_nPowerup, 4);
    EXPECT_EQ(drainEvents(), std::vector<int>({17}));
}

TEST_F(PowerupChooseDialogTest, OkWithNothingCheckedKeepsTheChosenPowerup)
{
    m_Dialog.items()[0]->setChecked(false);
    CGameContext::Instance().m_nPowerup = 2;
    m_Dialog.onOk();
    EXPECT_EQ(CGameContext::Instance().m_nPowerup, 2);
    EXPECT_EQ(drainEvents(), std::vector<int>({17}));
}

// The checked item's hint is up at once when the chooser's group comes,
// and stays while nothing else is hovered.
TEST_F(PowerupChooseDialogTest, CheckedItemsHintShowsAtOnceAndStays)
{
    CHintManager& hints = CHintManager::Instance();
    hints.setGroup(CPowerupChooseDialog::HINT_GROUP);
    const std::vector<CHintManager::CItem*>& items = hints.items(CPowerupChooseDialog::HINT_GROUP);
    const CHintManager::CItem& first = *items[items.size() - 5];
    const CHintManager::CItem& second = *items[items.size() - 4];
    EXPECT_EQ(first.alpha(), 1.0f);
    const D3DXVECTOR3 vAway(0.0f, -280.0f, 0.0f);
    for (int i = 0; i < 120; ++i)
        hints.update(1.0f / 60.0f, vAway);
    EXPECT_EQ(first.alpha(), 1.0f);
    // Hovering another item lets the checked one fade; the hovered one
    // shows after two thirds of a second.
    const D3DXVECTOR3 vSecond = m_Dialog.items()[1]->position();
    for (int i = 0; i < 39; ++i)
        hints.update(1.0f / 60.0f, vSecond);
    EXPECT_EQ(second.alpha(), 0.0f);
    for (int i = 0; i < 30; ++i)
        hints.update(1.0f / 60.0f, vSecond);
    EXPECT_EQ(first.alpha(), 0.0f);
    EXPECT_EQ(second.alpha(), 1.0f);
    EXPECT_TRUE(second.isTextAttached());
    // Away again: the hovered one fades, the checked one comes back.
    for (int i = 0; i < 70; ++i)
        hints.update(1.0f / 60.0f, vAway);
    EXPECT_EQ(second.alpha(), 0.0f);
    EXPECT_FALSE(second.isTextAttached());
    EXPECT_EQ(first.alpha(), 1.0f);
}

}  // namespace
