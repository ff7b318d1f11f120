// The proximity database the fish ask for their neighbours: a plain list
// of tokens scanned in full. With one aquarium of a few dozen fish that
// beats any spatial structure.
#pragma once

#include <algorithm>
#include <vector>

#include "d3d/d3dx8.h"

namespace Vantile {

template <class Object>
class CAbstractProximityElement {
public:
    virtual ~CAbstractProximityElement() = default;
    virtual void updateForNewPosition(const D3DXVECTOR3& vPosition) = 0;
    virtual void updateForNewRadius(float fRadius) = 0;
    // Every other token whose sphere the query sphere touches, in the
    // database's order; never the asking token's own object.
    virtual void findNeighbors(const D3DXVECTOR3& vCenter, float fRadius, std::vector<Object>& results) = 0;
};

template <class Object>
class CAbstractProximityDatabase {
public:
    typedef CAbstractProximityElement<Object> tokenType;
    virtual ~CAbstractProximityDatabase() = default;
    // The caller owns the token; deleting it leaves the database.
    virtual tokenType* allocateToken(Object object) = 0;
};

template <class Object>
class CBruteForceProximityDatabase : public CAbstractProximityDatabase<Object> {
public:
    class elementType : public CAbstractProximityElement<Object> {
    public:
        elementType(CBruteForceProximityDatabase& database, Object object) : m_Database(database), m_Object(object)
        {
            m_Database.m_Tokens.push_back(this);
        }
        ~elementType() override
        {
            auto& tokens = m_Database.m_Tokens;
            tokens.erase(std::remove(tokens.begin(), tokens.end(), this), tokens.end());
        }
        elementType(const elementType&) = delete;
        elementType& operator=(const elementType&) = delete;

        void updateForNewPosition(const D3DXVECTOR3& vPosition) override { m_vPosition = vPosition; }
        void updateForNewRadius(float fRadius) override { m_fRadius = fRadius; }
        void findNeighbors(const D3DXVECTOR3& vCenter, float fRadius, std::vector<Object>& results) override
        {
            results.clear();
            for (const elementType* pOther : m_Database.m_Tokens) {
                if (pOther == this)
                    continue;
                const D3DXVECTOR3 vOffset = pOther->m_vPosition - vCenter;
                const float fReach = fRadius + pOther->m_fRadius;
                if (D3DXVec3LengthSq(&vOffset) < fReach * fReach)
                    results.push_back(pOther->m_Object);
            }
        }

    private:
        CBruteForceProximityDatabase& m_Database;
        Object m_Object;
        D3DXVECTOR3 m_vPosition = D3DXVECTOR3(0, 0, 0);
        float m_fRadius = 0.0f;
    };

    CBruteForceProximityDatabase() = default;
    CBruteForceProximityDatabase(const CBruteForceProximityDatabase&) = delete;
    CBruteForceProximityDatabase& operator=(const CBruteForceProximityDatabase&) = delete;

    CAbstractProximityElement<Object>* allocateToken(Object object) override { return new elementType(*this, object); }
    size_t tokenCount() const { return m_Tokens.size(); }

private:
    std::vector<elementType*> m_Tokens;
};

}  // namespace Vantile
