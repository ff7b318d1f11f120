// Private parts of the device layer: the classes behind the interfaces and
// the GL helpers they share. Included only by platform/d3d sources.
#pragma once

#include "d3d/d3d8.h"
#include "d3d/d3d8_program.h"

#include <GL/glcorearb.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

struct SDL_Window;
typedef void* SDL_GLContext;

namespace d3d8 {

class CDevice;

// ---- pixel formats (d3d8_formats.cpp) --------------------------------------

// Bytes per texel in the Direct3D layout; 0 for formats we cannot store.
UINT FormatBytes(D3DFORMAT format);
bool IsDepthFormat(D3DFORMAT format);
bool IsTextureFormat(D3DFORMAT format);
bool HasAlpha(D3DFORMAT format);
// Every colour texture lives in GL as RGBA8; these convert whole rows
// between that and the Direct3D memory layout.
void ToRgba(D3DFORMAT format, const BYTE* source, BYTE* rgba, UINT count);
void FromRgba(D3DFORMAT format, const BYTE* rgba, BYTE* dest, UINT count);
// D3DCOLOR (ARGB) to four floats r, g, b, a.
void ColorToFloats(D3DCOLOR color, float* rgba);

// ---- surfaces (d3d8_surface.cpp) ---------------------------------------------

// A surface is one of: a level of a texture (counted by its texture), the
// back buffer or the automatic depth buffer (counted by the device), a
// depth-stencil surface or an image surface (counted by itself). The back
// buffer and the automatic depth buffer are eWindow while they live in the
// window's own buffers (d3d8_device_window.cpp) and own no GL storage.
class CSurface : public IDirect3DSurface8 {
public:
    enum EKind { eTextureLevel, eDeviceOwned, eDepthStencil, eImage, eWindow };

    CSurface(CDevice* device, EKind kind, IUnknown* container, const D3DSURFACE_DESC& desc,
             GLuint texture, UINT level);
    ~CSurface() override;

    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT GetDevice(IDirect3DDevice8** device) override;
    HRESULT GetDesc(D3DSURFACE_DESC* desc) override;
    HRESULT LockRect(D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags) override;
    HRESULT UnlockRect() override;

    const D3DSURFACE_DESC& Desc() const { return m_Desc; }
    GLuint Texture() const { return m_nTexture; }
    UINT Level() const { return m_nLevel; }
    GLuint Renderbuffer() const { return m_nRenderbuffer; }
    bool IsRenderTarget() const { return (m_Desc.Usage & D3DUSAGE_RENDERTARGET) != 0; }
    bool InWindow() const { return m_eKind == eWindow; }
    // Gives a surface in the window storage of its own (its pixels are
    // the device's to copy).
    void MoveOffWindow();
    // Replaces the storage with a new size (the back buffer after Reset).
    // The CPU copy in the Direct3D layout, filled from GL when the GPU side
    // is authoritative (render targets).
    std::vector<BYTE>& Bits();
    void Upload();
    // The same, for the pixels of one rectangle only: a lock of a few
    // pixels of a render target reads back and converts only those.
    std::vector<BYTE>& Bits(const RECT& rect);
    void Upload(const RECT& rect);
    RECT Whole() const { return {0, 0, (LONG)m_Desc.Width, (LONG)m_Desc.Height}; }
    UINT Pitch() const { return m_Desc.Width * FormatBytes(m_Desc.Format); }

private:
    void AllocateStorage();
    void ReadBack(const RECT& rect);

    CDevice* m_pDevice;
    EKind m_eKind;
    IUnknown* m_pContainer;
    ULONG m_nRefs = 1;
    D3DSURFACE_DESC m_Desc;
    GLuint m_nTexture;
    UINT m_nLevel;
    GLuint m_nRenderbuffer = 0;
    std::vector<BYTE> m_Bits;
    bool m_bLocked = false;
    bool m_bReadOnlyLock = false;
    RECT m_LockedRect = {};
};

// ---- reference counting of device children -----------------------------------

// Resources hold a reference on their device: their GL objects die with the
// context, so the device must outlive them whatever order callers release in.
template <class TInterface>
class CDeviceChild : public TInterface {
public:
    explicit CDeviceChild(CDevice* device);
    ULONG AddRef() override { return ++m_nRefs; }
    ULONG Release() override;
    HRESULT GetDevice(IDirect3DDevice8** device) override;

protected:
    CDevice* m_pDevice;

private:
    ULONG m_nRefs = 1;
};

// ---- textures (d3d8_texture.cpp) ---------------------------------------------

class CTexture : public CDeviceChild<IDirect3DTexture8> {
public:
    CTexture(CDevice* device, UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format,
             D3DPOOL pool);
    ~CTexture() override;

    D3DRESOURCETYPE GetType() override { return D3DRTYPE_TEXTURE; }
    DWORD GetLevelCount() override { return (DWORD)m_Levels.size(); }
    HRESULT GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) override;
    HRESULT GetSurfaceLevel(UINT level, IDirect3DSurface8** surface) override;
    HRESULT LockRect(UINT level, D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags) override;
    HRESULT UnlockRect(UINT level) override;

    GLuint Name() const { return m_nName; }
    CSurface* Level(UINT level) const { return m_Levels[level].get(); }
    D3DPOOL Pool() const { return m_ePool; }

private:
    GLuint m_nName = 0;
    D3DPOOL m_ePool;
    std::vector<std::unique_ptr<CSurface>> m_Levels;
};

// Full mip chain length for a size (1 for 1 x 1).
UINT FullMipCount(UINT width, UINT height);

// ---- buffers (d3d8_buffers.cpp) ---------------------------------------------------

// Vertex and index buffers keep a CPU copy that Lock hands out; Unlock
// uploads the locked range to the GL buffer.
class CBufferData {
public:
    CBufferData(CDevice* device, UINT size);
    ~CBufferData();
    HRESULT Lock(UINT offset, UINT size, BYTE** data, DWORD flags);
    HRESULT Unlock();
    GLuint Name() const { return m_nName; }
    const BYTE* Data() const { return m_Bytes.data(); }
    UINT Size() const { return (UINT)m_Bytes.size(); }

private:
    CDevice* m_pDevice;
    GLuint m_nName = 0;
    std::vector<BYTE> m_Bytes;
    bool m_bLocked = false;
    UINT m_nLockOffset = 0;
    UINT m_nLockSize = 0;
};

// Vertex and index buffers differ only in their interface and description.
template <class TInterface, class TDesc, D3DRESOURCETYPE eType>
class CBuffer : public CDeviceChild<TInterface> {
public:
    CBuffer(CDevice* device, const TDesc& desc);
    ~CBuffer() override;
    D3DRESOURCETYPE GetType() override { return eType; }
    HRESULT Lock(UINT offset, UINT size, BYTE** data, DWORD flags) override
    {
        return m_Data.Lock(offset, size, data, flags);
    }
    HRESULT Unlock() override { return m_Data.Unlock(); }
    HRESULT GetDesc(TDesc* desc) override;
    const CBufferData& Data() const { return m_Data; }
    D3DFORMAT Format() const { return m_Desc.Format; }

private:
    TDesc m_Desc;
    CBufferData m_Data;
};

typedef CBuffer<IDirect3DVertexBuffer8, D3DVERTEXBUFFER_DESC, D3DRTYPE_VERTEXBUFFER> CVertexBuffer;
typedef CBuffer<IDirect3DIndexBuffer8, D3DINDEXBUFFER_DESC, D3DRTYPE_INDEXBUFFER> CIndexBuffer;

// Data written once and drawn once (draws from user memory, merged
// draws): appended to one GL buffer through unsynchronised maps, and the
// buffer orphaned when full, so a write never waits for the rasteriser to
// finish the draws that read earlier parts. Needs the device's context.
class CStreamBuffer {
public:
    void Create();
    void Destroy();
    // Copies the bytes in; returns their offset in Name().
    GLintptr Write(const void* data, UINT bytes);
    GLuint Name() const { return m_nName; }

private:
    GLuint m_nName = 0;
    GLsizeiptr m_nCapacity = 0;
    GLintptr m_nOffset = 0;
};

// ---- programs (d3d8_fixedfunction.cpp, d3d8_program.cpp) ---------------------------

// Transforms one merged draw can carry (u_WorldViewProjs in the vertex
// prelude): 32 matrices stay within the uniform space every GL 3.3 driver
// must give a vertex shader.
#define D3D8_DRAW_SLOTS 32

// Uniform locations of the names every program may declare (-1: absent).
struct SProgram {
    GLuint m_nName = 0;
    GLint m_World = -1, m_View = -1, m_Projection = -1, m_WorldViewProj = -1;
    GLint m_WorldViewProjs = -1;
    GLint m_TextureFactor = -1, m_FogColor = -1, m_FogEnable = -1, m_FogMode = -1;
    GLint m_FogStart = -1, m_FogEnd = -1, m_FogDensity = -1;
    GLint m_TextureBound[2] = {-1, -1};
    GLint m_AlphaTestEnable = -1, m_AlphaFunc = -1, m_AlphaRef = -1;
    GLint m_Viewport = -1, m_PreTransformed = -1;
};

// Compiles prelude + sources; 0 and the log on failure.
GLuint CompileProgram(const char* vertexBody, const char* fragmentBody, std::string* errors);
// Reads the standard locations and points u_Texture0..7 at units 0..7.
SProgram DescribeProgram(GLuint name);
const char* FixedFunctionVertexBody();
const char* FixedFunctionFragmentBody();

// ---- the object and the device ---------------------------------------------------------

class CDirect3D : public IDirect3D8 {
public:
    CDirect3D();
    ULONG AddRef() override;
    ULONG Release() override;
    UINT GetAdapterCount() override;
    HRESULT GetAdapterIdentifier(UINT adapter, DWORD flags,
                                 D3DADAPTER_IDENTIFIER8* identifier) override;
    UINT GetAdapterModeCount(UINT adapter) override;
    HRESULT EnumAdapterModes(UINT adapter, UINT mode, D3DDISPLAYMODE* displayMode) override;
    HRESULT GetAdapterDisplayMode(UINT adapter, D3DDISPLAYMODE* displayMode) override;
    HRESULT CheckDeviceType(UINT adapter, D3DDEVTYPE type, D3DFORMAT displayFormat,
                            D3DFORMAT backBufferFormat, BOOL windowed) override;
    HRESULT CheckDeviceFormat(UINT adapter, D3DDEVTYPE type, D3DFORMAT adapterFormat, DWORD usage,
                              D3DRESOURCETYPE resourceType, D3DFORMAT checkFormat) override;
    HRESULT CheckDepthStencilMatch(UINT adapter, D3DDEVTYPE type, D3DFORMAT adapterFormat,
                                   D3DFORMAT renderTargetFormat,
                                   D3DFORMAT depthStencilFormat) override;
    HRESULT GetDeviceCaps(UINT adapter, D3DDEVTYPE type, D3DCAPS8* caps) override;
    HRESULT CreateDevice(UINT adapter, D3DDEVTYPE type, HWND focusWindow, DWORD behaviourFlags,
                         D3DPRESENT_PARAMETERS* params, IDirect3DDevice8** device) override;

    // Filled by the first device's context (GL's renderer string).
    static std::string& RendererName();

private:
    ~CDirect3D() override;
    ULONG m_nRefs = 1;
    std::vector<D3DDISPLAYMODE> m_Modes;
};

void FillCaps(D3DCAPS8* caps, UINT adapter, D3DDEVTYPE type);

struct SLight {
    D3DLIGHT8 m_Light;
    bool m_bEnabled = false;
};

struct SStream {
    CVertexBuffer* m_pBuffer = nullptr;
    UINT m_nStride = 0;
};

// What a draw with a program of our own reads from the device, besides
// the world transform and the vertex input.
struct SDrawState {
    DWORD m_RenderStates[256];
    DWORD m_StageStates[8][32];
    CTexture* m_pTextures[8];
    D3DMATRIX m_View, m_Projection;
    D3DVIEWPORT8 m_Viewport;
    D3DPROGRAM m_nProgram;
    DWORD m_dwFvf;
};

// Consecutive triangle lists that differ only in their vertices and world
// transform, drawn as one (d3d8_device_batch.cpp): each vertex carries the
// number of its draw, which picks that draw's transform.
struct SDrawBatch {
    bool m_bOpen = false;
    UINT m_nStride = 0;
    SDrawState m_State;
    std::vector<BYTE> m_Vertices;
    std::vector<GLushort> m_DrawIndices;
    std::vector<GLuint> m_Indices;
    std::vector<D3DMATRIX> m_WorldViewProjs;
};

// One draw's input as a batch takes it: vertices m_nFirstVertex ..
// m_nFirstVertex + m_nVertexCount - 1 of the data, and the indices (16 or
// 32 bits) into that data, or none for a plain list of those vertices.
struct SDrawSource {
    const BYTE* m_pVertices = nullptr;
    UINT m_nStride = 0;
    UINT m_nFirstVertex = 0;
    UINT m_nVertexCount = 0;
    const void* m_pIndices = nullptr;
    UINT m_nIndexBytes = 2;
    UINT m_nIndexCount = 0;
};

class CDevice : public IDirect3DDevice8 {
public:
    CDevice(CDirect3D* d3d, HWND window, const D3DPRESENT_PARAMETERS& params);
    // Makes the context and the default targets; false leaves
    // PlatformLastError() set.
    bool Initialise();

    ULONG AddRef() override;
    ULONG Release() override;

    // d3d8_device.cpp
    HRESULT TestCooperativeLevel() override;
    HRESULT GetDirect3D(IDirect3D8** d3d) override;
    HRESULT GetDeviceCaps(D3DCAPS8* caps) override;
    HRESULT GetDisplayMode(D3DDISPLAYMODE* mode) override;
    HRESULT Reset(D3DPRESENT_PARAMETERS* params) override;
    HRESULT Present(const RECT* sourceRect, const RECT* destRect, HWND destWindow,
                    const void* dirtyRegion) override;
    HRESULT GetBackBuffer(UINT index, D3DBACKBUFFER_TYPE type, IDirect3DSurface8** surface) override;
    UINT GetAvailableTextureMem() override;
    bool BackBufferInWindow() const { return m_pBackBuffer && m_pBackBuffer->InWindow(); }

    // d3d8_device_resources.cpp
    HRESULT CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format,
                          D3DPOOL pool, IDirect3DTexture8** texture) override;
    HRESULT CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                               IDirect3DVertexBuffer8** buffer) override;
    HRESULT CreateIndexBuffer(UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                              IDirect3DIndexBuffer8** buffer) override;
    HRESULT CreateDepthStencilSurface(UINT width, UINT height, D3DFORMAT format,
                                      D3DMULTISAMPLE_TYPE multiSample,
                                      IDirect3DSurface8** surface) override;
    HRESULT CreateImageSurface(UINT width, UINT height, D3DFORMAT format,
                               IDirect3DSurface8** surface) override;
    HRESULT CopyRects(IDirect3DSurface8* source, const RECT* sourceRects, UINT count,
                      IDirect3DSurface8* dest, const POINT* destPoints) override;
    HRESULT UpdateTexture(IDirect3DBaseTexture8* source, IDirect3DBaseTexture8* dest) override;

    // d3d8_device_targets.cpp
    HRESULT SetRenderTarget(IDirect3DSurface8* renderTarget,
                            IDirect3DSurface8* depthStencil) override;
    HRESULT GetRenderTarget(IDirect3DSurface8** surface) override;
    HRESULT GetDepthStencilSurface(IDirect3DSurface8** surface) override;
    HRESULT BeginScene() override;
    HRESULT EndScene() override;
    HRESULT Clear(DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color, float z,
                  DWORD stencil) override;

    // d3d8_device_states.cpp
    HRESULT SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix) override;
    HRESULT GetTransform(D3DTRANSFORMSTATETYPE state, D3DMATRIX* matrix) override;
    HRESULT SetViewport(const D3DVIEWPORT8* viewport) override;
    HRESULT GetViewport(D3DVIEWPORT8* viewport) override;
    HRESULT SetMaterial(const D3DMATERIAL8* material) override;
    HRESULT GetMaterial(D3DMATERIAL8* material) override;
    HRESULT SetLight(DWORD index, const D3DLIGHT8* light) override;
    HRESULT GetLight(DWORD index, D3DLIGHT8* light) override;
    HRESULT LightEnable(DWORD index, BOOL enable) override;
    HRESULT GetLightEnable(DWORD index, BOOL* enable) override;
    HRESULT SetRenderState(D3DRENDERSTATETYPE state, DWORD value) override;
    HRESULT GetRenderState(D3DRENDERSTATETYPE state, DWORD* value) override;
    HRESULT SetTexture(DWORD stage, IDirect3DBaseTexture8* texture) override;
    HRESULT GetTexture(DWORD stage, IDirect3DBaseTexture8** texture) override;
    HRESULT SetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value) override;
    HRESULT GetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type,
                                 DWORD* value) override;

    // d3d8_device_draw.cpp
    HRESULT SetVertexShader(DWORD fvf) override;
    HRESULT GetVertexShader(DWORD* fvf) override;
    HRESULT SetStreamSource(UINT stream, IDirect3DVertexBuffer8* buffer, UINT stride) override;
    HRESULT GetStreamSource(UINT stream, IDirect3DVertexBuffer8** buffer, UINT* stride) override;
    HRESULT SetIndices(IDirect3DIndexBuffer8* buffer, UINT baseVertexIndex) override;
    HRESULT GetIndices(IDirect3DIndexBuffer8** buffer, UINT* baseVertexIndex) override;
    HRESULT DrawPrimitive(D3DPRIMITIVETYPE type, UINT startVertex, UINT primitiveCount) override;
    HRESULT DrawIndexedPrimitive(D3DPRIMITIVETYPE type, UINT minIndex, UINT numVertices,
                                 UINT startIndex, UINT primitiveCount) override;
    HRESULT DrawPrimitiveUP(D3DPRIMITIVETYPE type, UINT primitiveCount, const void* vertexData,
                            UINT stride) override;
    HRESULT DrawIndexedPrimitiveUP(D3DPRIMITIVETYPE type, UINT minVertexIndex, UINT numVertices,
                                   UINT primitiveCount, const void* indexData,
                                   D3DFORMAT indexFormat, const void* vertexData,
                                   UINT stride) override;

    // ---- for the resources and the program door
    void MakeCurrent();
    SDL_Window* LiveWindow() const;
    void ResourceCreated(D3DPOOL pool) { if (pool == D3DPOOL_DEFAULT) ++m_nDefaultPoolResources; }
    void ResourceDestroyed(D3DPOOL pool) { if (pool == D3DPOOL_DEFAULT) --m_nDefaultPoolResources; }
    // Drops every binding of a resource that is going away.
    void Forget(const void* resource);
    // Binds a colour surface for reading (glReadPixels): the read FBO, or
    // the window's buffer for a back buffer that lives there.
    void BindForRead(CSurface* surface);
    // d3d8_device_window.cpp: rows r, g, b, a (top row first) into a
    // rectangle of the back buffer in the window.
    void WriteToWindow(const RECT& rect, const BYTE* rgba);
    // The window's buffer as top-down rows r, g, b, a (what it shows).
    std::vector<BYTE> ReadWindow(int* width, int* height);
    void MarkLost() { m_bNeedsReset = true; }
    UINT DrawCalls() const { return m_nDrawCalls; }
    // Draws the merged draws still held back; everything that reads or
    // changes what they draw with (targets, textures, programs) calls it
    // first.
    void FlushDraws();

    std::map<D3DPROGRAM, SProgram>& Programs() { return m_Programs; }
    D3DPROGRAM& BoundProgram() { return m_nBoundProgram; }
    D3DPROGRAM NextProgramHandle() { return ++m_nLastProgram; }

private:
    ~CDevice() override;

    // d3d8_device.cpp
    void DestroyGl();
    bool CreateDefaultTargets();
    void ApplySwapInterval();
    void WatchWindow();
    void WindowState(int* width, int* height, bool* fullScreen) const;

    // d3d8_device_window.cpp: where the back buffer lives
    bool WindowCanHoldBackBuffer();
    bool WindowBuffersSuit();
    static bool HasClipControl();
    void ApplyClipOrigin();
    void MoveBackBufferOffWindow();
    void CopyToWindow(SDL_Window* window);
    // Drawing into the window runs bottom up; the device mirrors rows.
    bool TargetInWindow() const { return m_pRenderTarget && m_pRenderTarget->InWindow(); }
    GLuint DrawFramebuffer() const { return TargetInWindow() ? 0 : m_nDrawFbo; }
    // A Direct3D row range of the render target as GL rows.
    GLint TargetRow(LONG top, LONG bottom) const;

    // d3d8_device_states.cpp
    void ResetStates();
    // Identity for a transform never set.
    D3DMATRIX TransformOf(D3DTRANSFORMSTATETYPE state) const;
    void ApplyPipelineStates();
    void ApplySamplers();
    void ApplyFixedFunctionUniforms(GLuint program);
    void ApplyCommonUniforms(const SProgram& program);

    // d3d8_device_targets.cpp
    void AttachTargets();
    void ApplyViewport();

    // d3d8_device_draw.cpp
    HRESULT CheckDraw(D3DPRIMITIVETYPE type, UINT primitiveCount, UINT* vertexCount) const;
    void BindVertexFormat(const BYTE* base, UINT stride);
    const SProgram& PrepareDraw(const BYTE* vertexBase, UINT stride);

    // d3d8_device_batch.cpp
    bool Mergeable(D3DPRIMITIVETYPE type, const SDrawSource& source) const;
    // False (nothing kept) when the draw cannot join a batch; the caller
    // then flushes and draws it alone.
    bool MergeDraw(D3DPRIMITIVETYPE type, const SDrawSource& source);
    void CaptureDrawState(SDrawState* state) const;
    void RestoreDrawState(const SDrawState& state);
    bool SameDrawState(const SDrawState& state) const;
    void AppendToBatch(const SDrawSource& source);
    void DrawBatch();

    CDirect3D* m_pD3D;
    ULONG m_nRefs = 1;
    HWND m_hWnd;
    SDL_GLContext m_pContext = nullptr;
    D3DPRESENT_PARAMETERS m_Params;

    // lost-device emulation
    bool m_bNeedsReset = false;
    bool m_bVsync = false;
    UINT m_nDrawCalls = 0;
    int m_nWatchedWidth = 0, m_nWatchedHeight = 0;
    bool m_bWatchedFullScreen = false;
    int m_nDefaultPoolResources = 0;

    // targets
    std::unique_ptr<CSurface> m_pBackBuffer;
    std::unique_ptr<CSurface> m_pAutoDepth;
    CSurface* m_pRenderTarget = nullptr;
    CSurface* m_pDepthStencil = nullptr;
    GLuint m_nDrawFbo = 0, m_nReadFbo = 0;
    bool m_bInScene = false;
    // Set once targets that cannot share the window were drawn together.
    bool m_bWindowRefused = false;
    GLenum m_eWindowBuffer = GL_BACK;
    bool m_bClipControl = false;

    // fixed-function state
    DWORD m_RenderStates[256];
    DWORD m_StageStates[8][32];
    std::map<DWORD, D3DMATRIX> m_Transforms;
    D3DVIEWPORT8 m_Viewport;
    D3DMATERIAL8 m_Material;
    std::map<DWORD, SLight> m_Lights;
    CTexture* m_pTextures[8];

    // vertex input
    DWORD m_dwFvf = 0;
    SStream m_Streams[16];
    CIndexBuffer* m_pIndices = nullptr;
    UINT m_nBaseVertex = 0;
    GLuint m_nVao = 0;
    CStreamBuffer m_VertexStream, m_IndexStream;
    GLuint m_Samplers[8] = {};
    SDrawBatch m_Batch;

    // programs
    SProgram m_FixedFunction;
    std::map<D3DPROGRAM, SProgram> m_Programs;
    D3DPROGRAM m_nBoundProgram = 0;
    D3DPROGRAM m_nLastProgram = 0;
};

CDevice* AsDevice(IDirect3DDevice8* device);

template <class TInterface>
CDeviceChild<TInterface>::CDeviceChild(CDevice* device) : m_pDevice(device)
{
    device->AddRef();
}

template <class TInterface>
ULONG CDeviceChild<TInterface>::Release()
{
    ULONG left = --m_nRefs;
    if (left == 0) {
        CDevice* device = m_pDevice;
        delete this;
        device->Release();
    }
    return left;
}

template <class TInterface>
HRESULT CDeviceChild<TInterface>::GetDevice(IDirect3DDevice8** device)
{
    if (!device)
        return D3DERR_INVALIDCALL;
    m_pDevice->AddRef();
    *device = m_pDevice;
    return D3D_OK;
}
D3DMATRIX IdentityMatrix();
D3DMATRIX MultiplyMatrices(const D3DMATRIX& a, const D3DMATRIX& b);

}  // namespace d3d8
