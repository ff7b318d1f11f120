// Hover hints: a bubble with a short text that shows when the mouse rests
// on a HUD element or on an item of the power-up chooser. Items live in
// numbered groups; one group at a time is current (the game object picks
// it per screen). A chooser item that is checked keeps its bubble up while
// nothing else is hovered.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "d3d/d3dx8.h"

class CSprite;

class IHintEnableCallback {
public:
    virtual bool isEnabled() const = 0;
    virtual bool isChecked() const = 0;

protected:
    ~IHintEnableCallback() = default;
};

// The GUI text window a bubble shows its text in; the GUI layer makes
// them. Without a maker bubbles show without text.
class IHintTextWindow {
public:
    virtual ~IHintTextWindow() = default;
    // Sizes the window and puts it on the current GUI sheet.
    virtual void attach(float fWidth, float fHeight) = 0;
    virtual void detach() = 0;
    // Top-left pixel and transparency.
    virtual void place(float fX, float fY, float fAlpha) = 0;
};

class CHintManager {
public:
    using TextWindowMaker = std::function<std::unique_ptr<IHintTextWindow>(const std::string& strText)>;

    // Seconds of hovering before a bubble shows, in units that grow by 3
    // a second; the same rate fades the bubble in and out.
    static constexpr float SHOW_AFTER = 2.0f;
    static constexpr float RATE = 3.0f;
    static constexpr int NO_GROUP = -1;

    class CItem {
    public:
        CItem(int nGroup, const std::string& strMarker, const std::string& strText,
              IHintEnableCallback* pEnableTest);
        virtual ~CItem();

        virtual bool isInside(const D3DXVECTOR3& vMouse) const = 0;
        virtual void setPosition(const D3DXVECTOR3& vPoint) = 0;

        void setEnabled(bool bEnabled) { m_bEnabled = bEnabled; }
        bool isEnabled() const { return m_bEnabled; }
        // Its own flag and its enable test both allow it.
        bool isActive() const;
        bool isChecked() const { return m_pEnableTest && m_pEnableTest->isChecked(); }
        float alpha() const { return m_fAlpha; }
        bool isTextAttached() const { return m_bAttached; }
        const D3DXVECTOR3& centre() const { return m_vCentre; }
        void setBubbleAnchor(const D3DXVECTOR3& vAnchor) { m_vBubbleAnchor = vAnchor; }
        const std::string& text() const { return m_strText; }
        int group() const { return m_nGroup; }
        // Where the bubble's top-left corner goes: towards the screen's
        // centre from the element.
        D3DXVECTOR3 bubblePosition() const;

    protected:
        friend class CHintManager;
        void show(float fStep, IHintTextWindow* pWindow);
        void fade(float fStep);
        void render();
        D3DXVECTOR2 markerSize() const;

        bool m_bEnabled = true;
        D3DXVECTOR3 m_vCentre = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
        D3DXVECTOR3 m_vBubbleAnchor = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
        int m_nGroup;
        std::string m_strMarker;
        std::unique_ptr<CSprite> m_pMarker;
        float m_fAlpha = 0.0f;
        float m_fHoverTime = 0.0f;
        std::string m_strText;
        std::unique_ptr<IHintTextWindow> m_pTextWindow;
        IHintEnableCallback* m_pEnableTest;
        bool m_bAttached = false;
    };

    class CItemRoundArea : public CItem {
    public:
        CItemRoundArea(int nGroup, const std::string& strMarker, const std::string& strText,
                       IHintEnableCallback* pEnableTest, const D3DXVECTOR3& vCentre, float fRadius);
        bool isInside(const D3DXVECTOR3& vMouse) const override;
        void setPosition(const D3DXVECTOR3& vPoint) override;

    private:
        float m_fRadius;
    };

    // The corner is the lower left one.
    class CItemRectArea : public CItem {
    public:
        CItemRectArea(int nGroup, const std::string& strMarker, const std::string& strText,
                      IHintEnableCallback* pEnableTest, const D3DXVECTOR3& vCorner, const D3DXVECTOR2& vSize);
        bool isInside(const D3DXVECTOR3& vMouse) const override;
        void setPosition(const D3DXVECTOR3& vPoint) override;

    private:
        D3DXVECTOR3 m_vCorner;
        D3DXVECTOR2 m_vSize;
    };

    static CHintManager& Instance();

    // Takes the item into its group; the returned pointer stays valid
    // until the item is removed.
    CItem* add(std::unique_ptr<CItem> pItem);
    // Owners that go away take their items with them.
    void remove(const CItem* pItem);
    void setGroup(int nGroup);
    int group() const { return m_nGroup; }
    // A group's items in the order they were added.
    const std::vector<CItem*>& items(int nGroup) { return m_Groups[nGroup]; }
    void setTextWindowMaker(TextWindowMaker maker) { m_TextWindowMaker = std::move(maker); }
    // Every frame: which item the mouse is over, and the bubbles' fades.
    void update(float fSeconds, const D3DXVECTOR3& vMouse);
    // Draws the current group's bubbles.
    void render();

private:
    CHintManager() = default;
    IHintTextWindow* textWindow(CItem& item);
    void updateItem(CItem& item, const CItem* pHovered, float fStep);

    std::map<int, std::vector<CItem*>> m_Groups;
    std::vector<std::unique_ptr<CItem>> m_Items;
    int m_nGroup = NO_GROUP;
    TextWindowMaker m_TextWindowMaker;
};
