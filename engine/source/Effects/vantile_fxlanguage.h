// Our ".fx" effect language, read into plain records (FX_LANGUAGE.md beside
// this file is its reference). Parsing needs no device; compiling the
// passes' GLSL is the effect's business.
#pragma once

#include <string>
#include <vector>

#include "d3d/d3d8.h"

namespace Vantile {

enum FxParameterType { FX_MATRIX, FX_FLOAT, FX_INT, FX_STRING, FX_TEXTURE };

struct SFxParameterDecl {
    FxParameterType type;
    std::string strName;
    // The initial value, when one is given: strings keep their text,
    // numbers are read as both.
    bool bHasValue = false;
    std::string strValue;
    double dValue = 0.0;
};

struct SFxState {
    DWORD dwState;
    DWORD dwValue;
};

struct SFxStageState {
    DWORD dwStage;
    D3DTEXTURESTAGESTATETYPE type;
    DWORD dwValue;
};

struct SFxTextureBinding {
    DWORD dwStage;
    std::string strParameter;
};

struct SFxPass {
    std::string strName;
    std::vector<SFxState> RenderStates;
    std::vector<SFxStageState> StageStates;
    std::vector<SFxTextureBinding> Textures;
    // Both empty: the device's fixed-function drawing.
    std::string strVertex;
    std::string strFragment;
    int nVertexLine = 0;
    int nFragmentLine = 0;
};

struct SFxTechnique {
    std::string strName;
    std::vector<SFxPass> Passes;
};

struct SFxSource {
    std::vector<SFxParameterDecl> Parameters;
    std::vector<SFxTechnique> Techniques;
};

// False with "line N: what" in strError for text that is not our language.
bool ParseFxSource(const char* pText, size_t nLength, SFxSource& source, std::string& strError);

// The GLSL declarations of the effect's own matrix and float parameters,
// put before every pass's shader bodies.
std::string FxUniformDeclarations(const SFxSource& source);

}  // namespace Vantile
