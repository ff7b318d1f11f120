// Scene files and the process-wide object cache. A scene file is XML whose
// root element's first child is the top "node" element; nodes carry a
// matrix, a name, display groups, at most one of "camera", "emitter" or
// "light", child "node"s and "mesh" elements that clone a cached object.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "Objects/vantile_object.h"

class TiXmlElement;

namespace Vantile {

class CSceneLoader {
public:
    static CSceneLoader& Instance();

    // The cached object for exactly this name, loaded on first request;
    // objects stay cached for the process lifetime. Load failures throw and
    // cache nothing.
    CObject* GetObject(const std::string& strFileName);

    // The new scene root, owned by the caller, or null (logged) when the
    // document cannot be parsed or its root's first child is no element. A
    // missing or damaged object file, or a number that is not a whole
    // decimal number in the scene's range, throws.
    CNode* LoadScene(const std::string& strFileName);
    // The same from XML text; the name is for messages.
    CNode* LoadSceneFromText(const std::string& strText, const std::string& strName);

private:
    CSceneLoader() = default;
    CSceneLoader(const CSceneLoader&) = delete;
    CSceneLoader& operator=(const CSceneLoader&) = delete;

    CNode* ReadSceneNode(const TiXmlElement& element, int nDepth);
    void AttachChildren(const TiXmlElement& element, CNode& node, int nDepth);
    void AttachMesh(const TiXmlElement& mesh, CNode& node);

    std::map<std::string, std::unique_ptr<CObject>> m_Objects;
};

}  // namespace Vantile
