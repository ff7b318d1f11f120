#include "Effects/vantile_effect.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Vantile;

namespace {

class CJournalListener : public IEffectListener {
public:
    CJournalListener(const char* pszName, std::vector<std::string>& journal, int* pDeleted = nullptr)
        : m_pszName(pszName), m_Journal(journal), m_pDeleted(pDeleted)
    {
    }
    ~CJournalListener() override
    {
        if (m_pDeleted)
            ++*m_pDeleted;
    }
    void Begin() override { m_Journal.push_back(std::string("begin ") + m_pszName); }
    void Render(const SRenderItem& item) override { m_Journal.push_back(std::string("render ") + m_pszName); }
    void End() override { m_Journal.push_back(std::string("end ") + m_pszName); }

private:
    const char* m_pszName;
    std::vector<std::string>& m_Journal;
    int* m_pDeleted;
};

TEST(EffectTest, ListenersHearEachStepInOrderAndOwnedOnesGoWithTheEffect)
{
    std::vector<std::string> journal;
    int nDeleted = 0;
    CJournalListener kept("kept", journal, &nDeleted);
    {
        CFxEffect effect("plain.fx");
        EXPECT_EQ(effect.GetContainerName(), "nosort");
        EXPECT_EQ(effect.GetPriority(), 0);
        effect.AddListener(new CJournalListener("owned", journal, &nDeleted), true);
        effect.AddListener(&kept, false);
        effect.AddListener(nullptr, true);
        effect.Begin();
        effect.Render(SRenderItem());
        effect.End();
    }
    EXPECT_EQ(journal, (std::vector<std::string>{"begin owned", "begin kept", "render owned", "render kept", "end owned", "end kept"}));
    EXPECT_EQ(nDeleted, 1);
}

}  // namespace
