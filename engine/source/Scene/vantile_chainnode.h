// One link of a chain that trails its leader at a fixed distance, turning
// towards it a little every frame: a fish's body bends as its head turns.
#pragma once

#include "Scene/vantile_node.h"
#include "Steering/vantile_localspace.h"

namespace Vantile {

class CChainNode : public CNode, public CLocalSpace {
public:
    // Without a leader the link swims forward at fSpeed units per second.
    CChainNode(const std::string& strName, CChainNode* pLeader, float fLinkLength, float fSpeed);

    void Animate() override;

private:
    // How far a link turns towards the line to its leader, then towards
    // the leader's own heading, each frame.
    static constexpr float TOWARDS_LINE = 0.5f;
    static constexpr float TOWARDS_HEADING = 0.85f;

    void follow();

    CChainNode* m_pLeader;
    float m_fLinkLength;
    float m_fSpeed;
};

}  // namespace Vantile
