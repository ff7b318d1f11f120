#include "Effects/vantile_fxeffectd3d8.h"

#include <strings.h>

#include <algorithm>
#include <cassert>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "Resources/vantile_resource.h"

namespace Vantile {

namespace {

const char LOAD_FUNC[] = "CFxEffectD3D8::LoadEffectFromMem";

// GLSL reports lines of the text it was given; "#line" makes them the
// effect file's.
std::string ShaderSource(const std::string& strUniforms, const std::string& strBody, int nLine)
{
    return strUniforms + "#line " + std::to_string(nLine) + "\n" + strBody;
}

}  // namespace

CFxEffectD3D8::CFxEffectD3D8(const std::string& strName, const void* pData, size_t nSize) : CFxEffect(strName)
{
    LoadEffectFromMem(pData, nSize);
}

// The render system must still exist: queues holding effects go before it.
CFxEffectD3D8::~CFxEffectD3D8()
{
    CD3D9RenderSystem::Instance().RemoveLostDeviceListener(this);
    ReleasePrograms();
    m_pDevice->Release();
}

CFxEffect* CFxEffectD3D8::CreateFromFile(const std::string& strFileName)
{
    CResource file(strFileName);
    file.Load();
    return new CFxEffectD3D8(strFileName, file.GetData(), file.GetSize());
}

void CFxEffectD3D8::LoadEffectFromMem(const void* pData, size_t nSize)
{
    assert((pData) && ("false"));
    m_pDevice = CD3D9RenderSystem::Instance().GetDevice();
    std::string strError;
    if (!m_pDevice)
        strError = "no device";
    else if (ParseFxSource(static_cast<const char*>(pData), pData ? nSize : 0, m_Source, strError))
        strError.clear();
    if (!strError.empty())
        VANTILE_EXCEPT(0, "Error while loading effect \"" + m_strName + "\": Error: " + strError, LOAD_FUNC);

    std::string strLog;
    for (m_nTechnique = 0; m_nTechnique < m_Source.Techniques.size(); ++m_nTechnique) {
        if (CompileTechnique(m_Source.Techniques[m_nTechnique], strLog))
            break;
    }
    if (m_nTechnique == m_Source.Techniques.size())
        VANTILE_EXCEPT(0, "Can't find valid technique in effect \"" + m_strName + "\"\n" + strLog, LOAD_FUNC);

    BindParameters();
    // Programs belong to the device they were made on; the reference keeps
    // it alive until they are released.
    m_pDevice->AddRef();
    CD3D9RenderSystem::Instance().AddLostDeviceListener(this);
}

bool CFxEffectD3D8::CompileTechnique(const SFxTechnique& technique, std::string& strLog)
{
    const std::string strUniforms = FxUniformDeclarations(m_Source);
    for (const SFxPass& pass : technique.Passes) {
        D3DPROGRAM program = 0;
        if (!pass.strVertex.empty()) {
            std::string strErrors;
            const std::string strVertex = ShaderSource(strUniforms, pass.strVertex, pass.nVertexLine);
            const std::string strFragment = ShaderSource(strUniforms, pass.strFragment, pass.nFragmentLine);
            if (FAILED(D3DProgramCreate(m_pDevice, strVertex.c_str(), strFragment.c_str(), &program, &strErrors))) {
                strLog += "technique \"" + technique.strName + "\", pass \"" + pass.strName + "\":\n" + strErrors + "\n";
                ReleasePrograms();
                return false;
            }
        }
        m_Programs.push_back(program);
    }
    return true;
}

void CFxEffectD3D8::ReleasePrograms()
{
    for (D3DPROGRAM program : m_Programs) {
        if (program)
            D3DProgramRelease(m_pDevice, program);
    }
    m_Programs.clear();
}

// The two container settings are plain values, yet they go through the
// same lookup first and are logged as unknown like any other name.
void CFxEffectD3D8::BindParameters()
{
    for (size_t i = m_Source.Parameters.size(); i-- > 0;) {
        const SFxParameterDecl& decl = m_Source.Parameters[i];
        std::unique_ptr<IFxParameter> pParameter = CreateFxParameter(decl.strName);
        if (pParameter) {
            std::vector<SBoundParameter>& list = pParameter->IsPerObject() ? m_ObjectParams : m_FrameParams;
            list.push_back({std::move(pParameter), decl.strName});
            continue;
        }
        CLog::Instance().Write(LOG_ERROR, FormatString("Unknown parameter semantics \"%s\"", decl.strName.c_str()));
        if (strcasecmp(decl.strName.c_str(), "ContainerName") == 0 && decl.type == FX_STRING)
            m_strContainerName = decl.strValue;
        else if (strcasecmp(decl.strName.c_str(), "ContainerPriority") == 0 && decl.bHasValue)
            m_nPriority = int(decl.dValue);
    }
}

void CFxEffectD3D8::Begin()
{
    CBaseEffect::Begin();
    m_nPasses = UINT(m_Programs.size());
    for (size_t i = 0; i < m_FrameParams.size(); ++i)
        m_FrameParams[i].pParameter->Apply(*this, unsigned(i) | FRAME_HANDLE, SRenderItem());
    for (const auto& named : m_NamedTextures)
        TextureSlot(named.first, false).pTexture = named.second.GetFrame();
}

void CFxEffectD3D8::Render(const SRenderItem& item)
{
    CBaseEffect::Render(item);
    // A material without a texture for a channel draws without one rather
    // than with the previous item's.
    for (STextureSlot& slot : m_Textures) {
        if (slot.bPerObject)
            slot.pTexture = nullptr;
    }
    for (size_t i = 0; i < m_ObjectParams.size(); ++i)
        m_ObjectParams[i].pParameter->Apply(*this, unsigned(i), item);
    const D3DXMATRIX mWorld = item.pTarget->GetWorldMatrixCount() > 0 ? item.pTarget->GetWorldMatrix(0) : IdentityMatrix();
    m_pDevice->SetTransform(D3DTS_WORLD, &mWorld);
    for (size_t nPass = 0; nPass < m_Programs.size(); ++nPass) {
        ApplyPass(nPass);
        item.pTarget->Render(int(item.nMaterial));
    }
}

void CFxEffectD3D8::End()
{
    CBaseEffect::End();
    RestoreStates();
    D3DProgramBind(m_pDevice, 0);
}

void CFxEffectD3D8::ApplyPass(size_t nPass)
{
    const SFxPass& pass = m_Source.Techniques[m_nTechnique].Passes[nPass];
    D3DProgramBind(m_pDevice, m_Programs[nPass]);
    for (const SFxState& state : pass.RenderStates) {
        SaveState(state.dwState);
        m_pDevice->SetRenderState(D3DRENDERSTATETYPE(state.dwState), state.dwValue);
    }
    for (const SFxStageState& state : pass.StageStates)
        m_pDevice->SetTextureStageState(state.dwStage, state.type, state.dwValue);
    for (const SFxTextureBinding& binding : pass.Textures)
        m_pDevice->SetTexture(binding.dwStage, TextureSlot(binding.strParameter, false).pTexture);
}

void CFxEffectD3D8::SaveState(DWORD dwState)
{
    for (const SFxState& saved : m_SavedStates) {
        if (saved.dwState == dwState)
            return;
    }
    DWORD dwValue = 0;
    m_pDevice->GetRenderState(D3DRENDERSTATETYPE(dwState), &dwValue);
    m_SavedStates.push_back({dwState, dwValue});
}

// Passes leave the device as Begin found it, as the old effects' state
// blocks did.
void CFxEffectD3D8::RestoreStates()
{
    for (const SFxState& saved : m_SavedStates)
        m_pDevice->SetRenderState(D3DRENDERSTATETYPE(saved.dwState), saved.dwValue);
    m_SavedStates.clear();
}

const std::string& CFxEffectD3D8::HandleName(unsigned nHandle) const
{
    if (nHandle & FRAME_HANDLE)
        return m_FrameParams.at(nHandle & ~FRAME_HANDLE).strName;
    return m_ObjectParams.at(nHandle).strName;
}

void CFxEffectD3D8::SetMatrix(unsigned nHandle, const D3DXMATRIX& mValue)
{
    for (D3DPROGRAM program : m_Programs) {
        if (program)
            D3DProgramSetMatrices(m_pDevice, program, HandleName(nHandle).c_str(), &mValue, 1);
    }
}

void CFxEffectD3D8::SetFloat(unsigned nHandle, float fValue)
{
    for (D3DPROGRAM program : m_Programs) {
        if (program)
            D3DProgramSetFloats(m_pDevice, program, HandleName(nHandle).c_str(), &fValue, 1);
    }
}

void CFxEffectD3D8::SetTexture(unsigned nHandle, const TextureRef& texture)
{
    TextureSlot(HandleName(nHandle), !(nHandle & FRAME_HANDLE)).pTexture = texture.GetFrame();
}

void CFxEffectD3D8::SetNamedTexture(const std::string& strParameter, const TextureRef& texture)
{
    for (auto& named : m_NamedTextures) {
        if (strcasecmp(named.first.c_str(), strParameter.c_str()) == 0) {
            named.second = texture;
            return;
        }
    }
    m_NamedTextures.emplace_back(strParameter, texture);
}

CFxEffectD3D8::STextureSlot& CFxEffectD3D8::TextureSlot(const std::string& strParameter, bool bPerObject)
{
    for (STextureSlot& slot : m_Textures) {
        if (strcasecmp(slot.strParameter.c_str(), strParameter.c_str()) == 0) {
            slot.bPerObject = slot.bPerObject || bPerObject;
            return slot;
        }
    }
    m_Textures.push_back({strParameter, nullptr, bPerObject});
    return m_Textures.back();
}

}  // namespace Vantile
