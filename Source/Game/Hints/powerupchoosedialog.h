// The dialog before a level with power-ups: five sea creatures in boxes,
// of which the level lets the first few be picked; the checked one is the
// power-up the HUD's button will arm. Hovering an item shows its hint.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "Game/Hints/hintmanager.h"
#include "d3d/d3dx8.h"

class CSprite;

// The dialog's GUI sheet with its OK button; the GUI layer makes it.
class IChooserWindows {
public:
    virtual ~IChooserWindows() = default;
    // The OK button's click.
    virtual void setOnOk(std::function<void()> onOk) = 0;
    // The dialog's root window becomes the GUI sheet.
    virtual void show() = 0;
};

class CPowerupChooseDialog {
public:
    static constexpr int ITEM_COUNT = 5;
    static constexpr int HINT_GROUP = 0;
    static constexpr int TEXT_CHOOSE = 57;

    class CItem : public IHintEnableCallback {
    public:
        CItem(int nPowerup, const D3DXVECTOR3& vPosition, const char* pszStill, const char* pszAnimation);
        ~CItem();
        bool isEnabled() const override { return m_bEnabled; }
        bool isChecked() const override { return m_bChecked; }
        bool isHovered() const { return m_bHovered; }
        int powerup() const { return m_nPowerup; }
        const D3DXVECTOR3& position() const { return m_vPosition; }
        void setEnabled(bool bEnabled) { m_bEnabled = bEnabled; }
        void setChecked(bool bChecked) { m_bChecked = bChecked; }
        // Over the picture, or over the check box below it.
        void updateHover(const D3DXVECTOR3& vMouse);
        void render(float fSeconds);

    private:
        int m_nPowerup;
        D3DXVECTOR3 m_vPosition;
        const char* m_pszStill;
        const char* m_pszAnimation;
        std::unique_ptr<CSprite> m_pFrame, m_pStill, m_pAnimation, m_pBox, m_pMark;
        bool m_bHovered = false;
        bool m_bChecked = false;
        bool m_bEnabled = false;
    };

    explicit CPowerupChooseDialog(std::unique_ptr<IChooserWindows> pWindows = nullptr);
    ~CPowerupChooseDialog();

    // The first nCount items may be picked.
    void setAvailable(int nCount);
    void show();
    // Every frame while it shows: which item the mouse is over.
    void update(const D3DXVECTOR3& vMouse);
    // A click picks the hovered item, if it may be picked.
    void click();
    void render(float fSeconds);
    // The OK button: the checked item's power-up is the level's.
    void onOk();

    const std::vector<std::unique_ptr<CItem>>& items() const { return m_Items; }

private:
    std::unique_ptr<IChooserWindows> m_pWindows;
    std::unique_ptr<CSprite> m_pBackground;
    std::unique_ptr<CSprite> m_pFrame;
    std::vector<std::unique_ptr<CItem>> m_Items;
    std::vector<CHintManager::CItem*> m_Hints;
};
