// D3DX vector, matrix, quaternion, plane and colour helpers. Row vectors and
// row-major matrices throughout: a point p becomes p x M.
#include "d3d/d3dx8.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

D3DXMATRIX Product(const D3DXMATRIX& a, const D3DXMATRIX& b)
{
    D3DXMATRIX out;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            out.m[r][c] = a.m[r][0] * b.m[0][c] + a.m[r][1] * b.m[1][c] +
                          a.m[r][2] * b.m[2][c] + a.m[r][3] * b.m[3][c];
    return out;
}

D3DXVECTOR4 Transform4(float x, float y, float z, float w, const D3DXMATRIX& m)
{
    return D3DXVECTOR4(x * m._11 + y * m._21 + z * m._31 + w * m._41,
                       x * m._12 + y * m._22 + z * m._32 + w * m._42,
                       x * m._13 + y * m._23 + z * m._33 + w * m._43,
                       x * m._14 + y * m._24 + z * m._34 + w * m._44);
}

D3DXMATRIX WorldViewProjection(const D3DXMATRIX* projection, const D3DXMATRIX* view,
                               const D3DXMATRIX* world)
{
    D3DXMATRIX identity;
    D3DXMatrixIdentity(&identity);
    return Product(Product(world ? *world : identity, view ? *view : identity),
                   projection ? *projection : identity);
}

// Hamilton product p q: the rotation q followed by p.
D3DXQUATERNION Hamilton(const D3DXQUATERNION& p, const D3DXQUATERNION& q)
{
    return D3DXQUATERNION(p.w * q.x + p.x * q.w + p.y * q.z - p.z * q.y,
                          p.w * q.y - p.x * q.z + p.y * q.w + p.z * q.x,
                          p.w * q.z + p.x * q.y - p.y * q.x + p.z * q.w,
                          p.w * q.w - p.x * q.x - p.y * q.y - p.z * q.z);
}

}  // namespace

// ---- type members ---------------------------------------------------------------

D3DXMATRIX::D3DXMATRIX(const float* values)
{
    std::memcpy(&_11, values, sizeof(float) * 16);
}

D3DXMATRIX::D3DXMATRIX(float f11, float f12, float f13, float f14, float f21, float f22,
                       float f23, float f24, float f31, float f32, float f33, float f34,
                       float f41, float f42, float f43, float f44)
{
    const float values[16] = {f11, f12, f13, f14, f21, f22, f23, f24,
                              f31, f32, f33, f34, f41, f42, f43, f44};
    std::memcpy(&_11, values, sizeof(values));
}

D3DXMATRIX& D3DXMATRIX::operator*=(const D3DXMATRIX& mat)
{
    return *this = Product(*this, mat);
}

D3DXMATRIX& D3DXMATRIX::operator+=(const D3DXMATRIX& mat)
{
    for (int i = 0; i < 16; ++i)
        (&_11)[i] += (&mat._11)[i];
    return *this;
}

D3DXMATRIX& D3DXMATRIX::operator-=(const D3DXMATRIX& mat)
{
    for (int i = 0; i < 16; ++i)
        (&_11)[i] -= (&mat._11)[i];
    return *this;
}

D3DXMATRIX& D3DXMATRIX::operator*=(float f)
{
    for (int i = 0; i < 16; ++i)
        (&_11)[i] *= f;
    return *this;
}

D3DXMATRIX D3DXMATRIX::operator*(const D3DXMATRIX& mat) const { return Product(*this, mat); }
D3DXMATRIX D3DXMATRIX::operator+(const D3DXMATRIX& mat) const { return D3DXMATRIX(*this) += mat; }
D3DXMATRIX D3DXMATRIX::operator-(const D3DXMATRIX& mat) const { return D3DXMATRIX(*this) -= mat; }
D3DXMATRIX D3DXMATRIX::operator*(float f) const { return D3DXMATRIX(*this) *= f; }

bool D3DXMATRIX::operator==(const D3DXMATRIX& mat) const
{
    return std::memcmp(&_11, &mat._11, sizeof(float) * 16) == 0;
}

D3DXQUATERNION D3DXQUATERNION::operator*(const D3DXQUATERNION& q) const
{
    D3DXQUATERNION out;
    return *D3DXQuaternionMultiply(&out, this, &q);
}

D3DXCOLOR::D3DXCOLOR(D3DCOLOR argb)
    : r(((argb >> 16) & 0xff) / 255.0f), g(((argb >> 8) & 0xff) / 255.0f),
      b((argb & 0xff) / 255.0f), a(((argb >> 24) & 0xff) / 255.0f)
{
}

D3DXCOLOR::operator D3DCOLOR() const
{
    auto byte = [](float v) { return (DWORD)(std::min(std::max(v, 0.0f), 1.0f) * 255.0f + 0.5f); };
    return D3DCOLOR_ARGB(byte(a), byte(r), byte(g), byte(b));
}

// ---- 2D vectors ------------------------------------------------------------------

D3DXVECTOR2* D3DXVec2Add(D3DXVECTOR2* out, const D3DXVECTOR2* a, const D3DXVECTOR2* b) { *out = *a + *b; return out; }
D3DXVECTOR2* D3DXVec2Subtract(D3DXVECTOR2* out, const D3DXVECTOR2* a, const D3DXVECTOR2* b) { *out = *a - *b; return out; }
D3DXVECTOR2* D3DXVec2Scale(D3DXVECTOR2* out, const D3DXVECTOR2* v, float s) { *out = *v * s; return out; }
float D3DXVec2Dot(const D3DXVECTOR2* a, const D3DXVECTOR2* b) { return a->x * b->x + a->y * b->y; }
float D3DXVec2CCW(const D3DXVECTOR2* a, const D3DXVECTOR2* b) { return a->x * b->y - a->y * b->x; }
float D3DXVec2LengthSq(const D3DXVECTOR2* v) { return D3DXVec2Dot(v, v); }
float D3DXVec2Length(const D3DXVECTOR2* v) { return std::sqrt(D3DXVec2LengthSq(v)); }

D3DXVECTOR2* D3DXVec2Normalize(D3DXVECTOR2* out, const D3DXVECTOR2* v)
{
    float length = D3DXVec2Length(v);
    *out = length > 0.0f ? *v / length : D3DXVECTOR2(0.0f, 0.0f);
    return out;
}

D3DXVECTOR2* D3DXVec2Lerp(D3DXVECTOR2* out, const D3DXVECTOR2* a, const D3DXVECTOR2* b, float s)
{
    *out = *a + (*b - *a) * s;
    return out;
}

D3DXVECTOR2* D3DXVec2TransformCoord(D3DXVECTOR2* out, const D3DXVECTOR2* v, const D3DXMATRIX* m)
{
    D3DXVECTOR4 r = Transform4(v->x, v->y, 0.0f, 1.0f, *m);
    float w = r.w != 0.0f ? r.w : 1.0f;
    *out = D3DXVECTOR2(r.x / w, r.y / w);
    return out;
}

D3DXVECTOR2* D3DXVec2TransformNormal(D3DXVECTOR2* out, const D3DXVECTOR2* v, const D3DXMATRIX* m)
{
    D3DXVECTOR4 r = Transform4(v->x, v->y, 0.0f, 0.0f, *m);
    *out = D3DXVECTOR2(r.x, r.y);
    return out;
}

D3DXVECTOR4* D3DXVec2Transform(D3DXVECTOR4* out, const D3DXVECTOR2* v, const D3DXMATRIX* m)
{
    *out = Transform4(v->x, v->y, 0.0f, 1.0f, *m);
    return out;
}

// ---- 3D vectors ------------------------------------------------------------------

D3DXVECTOR3* D3DXVec3Add(D3DXVECTOR3* out, const D3DXVECTOR3* a, const D3DXVECTOR3* b) { *out = *a + *b; return out; }
D3DXVECTOR3* D3DXVec3Subtract(D3DXVECTOR3* out, const D3DXVECTOR3* a, const D3DXVECTOR3* b) { *out = *a - *b; return out; }
D3DXVECTOR3* D3DXVec3Scale(D3DXVECTOR3* out, const D3DXVECTOR3* v, float s) { *out = *v * s; return out; }
float D3DXVec3Dot(const D3DXVECTOR3* a, const D3DXVECTOR3* b) { return a->x * b->x + a->y * b->y + a->z * b->z; }
float D3DXVec3LengthSq(const D3DXVECTOR3* v) { return D3DXVec3Dot(v, v); }
float D3DXVec3Length(const D3DXVECTOR3* v) { return std::sqrt(D3DXVec3LengthSq(v)); }

D3DXVECTOR3* D3DXVec3Cross(D3DXVECTOR3* out, const D3DXVECTOR3* a, const D3DXVECTOR3* b)
{
    *out = D3DXVECTOR3(a->y * b->z - a->z * b->y, a->z * b->x - a->x * b->z,
                       a->x * b->y - a->y * b->x);
    return out;
}

D3DXVECTOR3* D3DXVec3Normalize(D3DXVECTOR3* out, const D3DXVECTOR3* v)
{
    float length = D3DXVec3Length(v);
    *out = length > 0.0f ? *v / length : D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    return out;
}

D3DXVECTOR3* D3DXVec3Lerp(D3DXVECTOR3* out, const D3DXVECTOR3* a, const D3DXVECTOR3* b, float s)
{
    *out = *a + (*b - *a) * s;
    return out;
}

D3DXVECTOR3* D3DXVec3Minimize(D3DXVECTOR3* out, const D3DXVECTOR3* a, const D3DXVECTOR3* b)
{
    *out = D3DXVECTOR3(std::min(a->x, b->x), std::min(a->y, b->y), std::min(a->z, b->z));
    return out;
}

D3DXVECTOR3* D3DXVec3Maximize(D3DXVECTOR3* out, const D3DXVECTOR3* a, const D3DXVECTOR3* b)
{
    *out = D3DXVECTOR3(std::max(a->x, b->x), std::max(a->y, b->y), std::max(a->z, b->z));
    return out;
}

D3DXVECTOR3* D3DXVec3TransformCoord(D3DXVECTOR3* out, const D3DXVECTOR3* v, const D3DXMATRIX* m)
{
    D3DXVECTOR4 r = Transform4(v->x, v->y, v->z, 1.0f, *m);
    float w = r.w != 0.0f ? r.w : 1.0f;
    *out = D3DXVECTOR3(r.x / w, r.y / w, r.z / w);
    return out;
}

D3DXVECTOR3* D3DXVec3TransformNormal(D3DXVECTOR3* out, const D3DXVECTOR3* v, const D3DXMATRIX* m)
{
    D3DXVECTOR4 r = Transform4(v->x, v->y, v->z, 0.0f, *m);
    *out = D3DXVECTOR3(r.x, r.y, r.z);
    return out;
}

D3DXVECTOR4* D3DXVec3Transform(D3DXVECTOR4* out, const D3DXVECTOR3* v, const D3DXMATRIX* m)
{
    *out = Transform4(v->x, v->y, v->z, 1.0f, *m);
    return out;
}

D3DXVECTOR3* D3DXVec3Project(D3DXVECTOR3* out, const D3DXVECTOR3* v, const D3DVIEWPORT8* viewport,
                             const D3DXMATRIX* projection, const D3DXMATRIX* view,
                             const D3DXMATRIX* world)
{
    D3DXMATRIX all = WorldViewProjection(projection, view, world);
    D3DXVECTOR3 ndc;
    D3DXVec3TransformCoord(&ndc, v, &all);
    *out = D3DXVECTOR3(viewport->X + (1.0f + ndc.x) * viewport->Width * 0.5f,
                       viewport->Y + (1.0f - ndc.y) * viewport->Height * 0.5f,
                       viewport->MinZ + ndc.z * (viewport->MaxZ - viewport->MinZ));
    return out;
}

D3DXVECTOR3* D3DXVec3Unproject(D3DXVECTOR3* out, const D3DXVECTOR3* v,
                               const D3DVIEWPORT8* viewport, const D3DXMATRIX* projection,
                               const D3DXMATRIX* view, const D3DXMATRIX* world)
{
    D3DXMATRIX all = WorldViewProjection(projection, view, world), inverse;
    float depthRange = viewport->MaxZ - viewport->MinZ;
    if (!D3DXMatrixInverse(&inverse, nullptr, &all) || viewport->Width == 0 ||
        viewport->Height == 0) {
        *out = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
        return out;
    }
    D3DXVECTOR3 ndc((v->x - viewport->X) * 2.0f / viewport->Width - 1.0f,
                    1.0f - (v->y - viewport->Y) * 2.0f / viewport->Height,
                    depthRange != 0.0f ? (v->z - viewport->MinZ) / depthRange : 0.0f);
    return D3DXVec3TransformCoord(out, &ndc, &inverse);
}

// ---- 4D vectors ------------------------------------------------------------------

float D3DXVec4Dot(const D3DXVECTOR4* a, const D3DXVECTOR4* b)
{
    return a->x * b->x + a->y * b->y + a->z * b->z + a->w * b->w;
}

D3DXVECTOR4* D3DXVec4Transform(D3DXVECTOR4* out, const D3DXVECTOR4* v, const D3DXMATRIX* m)
{
    *out = Transform4(v->x, v->y, v->z, v->w, *m);
    return out;
}

// ---- matrices ------------------------------------------------------------------

D3DXMATRIX* D3DXMatrixIdentity(D3DXMATRIX* out)
{
    *out = D3DXMATRIX(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    return out;
}

bool D3DXMatrixIsIdentity(const D3DXMATRIX* m)
{
    D3DXMATRIX identity;
    return *m == *D3DXMatrixIdentity(&identity);
}

D3DXMATRIX* D3DXMatrixMultiply(D3DXMATRIX* out, const D3DXMATRIX* a, const D3DXMATRIX* b)
{
    *out = Product(*a, *b);
    return out;
}

D3DXMATRIX* D3DXMatrixTranspose(D3DXMATRIX* out, const D3DXMATRIX* m)
{
    D3DXMATRIX t;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            t.m[r][c] = m->m[c][r];
    *out = t;
    return out;
}

namespace {

// Cofactors of the whole matrix, transposed (the adjugate), with the
// determinant from the first row.
float Adjugate(const D3DXMATRIX& m, D3DXMATRIX* adjugate)
{
    const float* a = &m._11;
    float* inv = &adjugate->_11;
    inv[0] = a[5] * a[10] * a[15] - a[5] * a[11] * a[14] - a[9] * a[6] * a[15] + a[9] * a[7] * a[14] + a[13] * a[6] * a[11] - a[13] * a[7] * a[10];
    inv[4] = -a[4] * a[10] * a[15] + a[4] * a[11] * a[14] + a[8] * a[6] * a[15] - a[8] * a[7] * a[14] - a[12] * a[6] * a[11] + a[12] * a[7] * a[10];
    inv[8] = a[4] * a[9] * a[15] - a[4] * a[11] * a[13] - a[8] * a[5] * a[15] + a[8] * a[7] * a[13] + a[12] * a[5] * a[11] - a[12] * a[7] * a[9];
    inv[12] = -a[4] * a[9] * a[14] + a[4] * a[10] * a[13] + a[8] * a[5] * a[14] - a[8] * a[6] * a[13] - a[12] * a[5] * a[10] + a[12] * a[6] * a[9];
    inv[1] = -a[1] * a[10] * a[15] + a[1] * a[11] * a[14] + a[9] * a[2] * a[15] - a[9] * a[3] * a[14] - a[13] * a[2] * a[11] + a[13] * a[3] * a[10];
    inv[5] = a[0] * a[10] * a[15] - a[0] * a[11] * a[14] - a[8] * a[2] * a[15] + a[8] * a[3] * a[14] + a[12] * a[2] * a[11] - a[12] * a[3] * a[10];
    inv[9] = -a[0] * a[9] * a[15] + a[0] * a[11] * a[13] + a[8] * a[1] * a[15] - a[8] * a[3] * a[13] - a[12] * a[1] * a[11] + a[12] * a[3] * a[9];
    inv[13] = a[0] * a[9] * a[14] - a[0] * a[10] * a[13] - a[8] * a[1] * a[14] + a[8] * a[2] * a[13] + a[12] * a[1] * a[10] - a[12] * a[2] * a[9];
    inv[2] = a[1] * a[6] * a[15] - a[1] * a[7] * a[14] - a[5] * a[2] * a[15] + a[5] * a[3] * a[14] + a[13] * a[2] * a[7] - a[13] * a[3] * a[6];
    inv[6] = -a[0] * a[6] * a[15] + a[0] * a[7] * a[14] + a[4] * a[2] * a[15] - a[4] * a[3] * a[14] - a[12] * a[2] * a[7] + a[12] * a[3] * a[6];
    inv[10] = a[0] * a[5] * a[15] - a[0] * a[7] * a[13] - a[4] * a[1] * a[15] + a[4] * a[3] * a[13] + a[12] * a[1] * a[7] - a[12] * a[3] * a[5];
    inv[14] = -a[0] * a[5] * a[14] + a[0] * a[6] * a[13] + a[4] * a[1] * a[14] - a[4] * a[2] * a[13] - a[12] * a[1] * a[6] + a[12] * a[2] * a[5];
    inv[3] = -a[1] * a[6] * a[11] + a[1] * a[7] * a[10] + a[5] * a[2] * a[11] - a[5] * a[3] * a[10] - a[9] * a[2] * a[7] + a[9] * a[3] * a[6];
    inv[7] = a[0] * a[6] * a[11] - a[0] * a[7] * a[10] - a[4] * a[2] * a[11] + a[4] * a[3] * a[10] + a[8] * a[2] * a[7] - a[8] * a[3] * a[6];
    inv[11] = -a[0] * a[5] * a[11] + a[0] * a[7] * a[9] + a[4] * a[1] * a[11] - a[4] * a[3] * a[9] - a[8] * a[1] * a[7] + a[8] * a[3] * a[5];
    inv[15] = a[0] * a[5] * a[10] - a[0] * a[6] * a[9] - a[4] * a[1] * a[10] + a[4] * a[2] * a[9] + a[8] * a[1] * a[6] - a[8] * a[2] * a[5];
    return a[0] * inv[0] + a[1] * inv[4] + a[2] * inv[8] + a[3] * inv[12];
}

}  // namespace

float D3DXMatrixDeterminant(const D3DXMATRIX* m)
{
    D3DXMATRIX adjugate;
    return Adjugate(*m, &adjugate);
}

D3DXMATRIX* D3DXMatrixInverse(D3DXMATRIX* out, float* determinant, const D3DXMATRIX* m)
{
    D3DXMATRIX adjugate;
    float det = Adjugate(*m, &adjugate);
    if (determinant)
        *determinant = det;
    if (det == 0.0f || !std::isfinite(det))
        return nullptr;
    *out = adjugate * (1.0f / det);
    return out;
}

D3DXMATRIX* D3DXMatrixTranslation(D3DXMATRIX* out, float x, float y, float z)
{
    *out = D3DXMATRIX(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1);
    return out;
}

D3DXMATRIX* D3DXMatrixScaling(D3DXMATRIX* out, float x, float y, float z)
{
    *out = D3DXMATRIX(x, 0, 0, 0, 0, y, 0, 0, 0, 0, z, 0, 0, 0, 0, 1);
    return out;
}

D3DXMATRIX* D3DXMatrixRotationX(D3DXMATRIX* out, float angle)
{
    float c = std::cos(angle), s = std::sin(angle);
    *out = D3DXMATRIX(1, 0, 0, 0, 0, c, s, 0, 0, -s, c, 0, 0, 0, 0, 1);
    return out;
}

D3DXMATRIX* D3DXMatrixRotationY(D3DXMATRIX* out, float angle)
{
    float c = std::cos(angle), s = std::sin(angle);
    *out = D3DXMATRIX(c, 0, -s, 0, 0, 1, 0, 0, s, 0, c, 0, 0, 0, 0, 1);
    return out;
}

D3DXMATRIX* D3DXMatrixRotationZ(D3DXMATRIX* out, float angle)
{
    float c = std::cos(angle), s = std::sin(angle);
    *out = D3DXMATRIX(c, s, 0, 0, -s, c, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    return out;
}

D3DXMATRIX* D3DXMatrixRotationAxis(D3DXMATRIX* out, const D3DXVECTOR3* axis, float angle)
{
    D3DXVECTOR3 n;
    D3DXVec3Normalize(&n, axis);
    float c = std::cos(angle), s = std::sin(angle), t = 1.0f - c;
    *out = D3DXMATRIX(t * n.x * n.x + c, t * n.x * n.y + s * n.z, t * n.x * n.z - s * n.y, 0,
                      t * n.x * n.y - s * n.z, t * n.y * n.y + c, t * n.y * n.z + s * n.x, 0,
                      t * n.x * n.z + s * n.y, t * n.y * n.z - s * n.x, t * n.z * n.z + c, 0,
                      0, 0, 0, 1);
    return out;
}

D3DXMATRIX* D3DXMatrixRotationQuaternion(D3DXMATRIX* out, const D3DXQUATERNION* q)
{
    float x = q->x, y = q->y, z = q->z, w = q->w;
    *out = D3DXMATRIX(1 - 2 * (y * y + z * z), 2 * (x * y + z * w), 2 * (x * z - y * w), 0,
                      2 * (x * y - z * w), 1 - 2 * (x * x + z * z), 2 * (y * z + x * w), 0,
                      2 * (x * z + y * w), 2 * (y * z - x * w), 1 - 2 * (x * x + y * y), 0,
                      0, 0, 0, 1);
    return out;
}

D3DXMATRIX* D3DXMatrixRotationYawPitchRoll(D3DXMATRIX* out, float yaw, float pitch, float roll)
{
    D3DXMATRIX r, p, y;
    D3DXMatrixRotationZ(&r, roll);
    D3DXMatrixRotationX(&p, pitch);
    D3DXMatrixRotationY(&y, yaw);
    *out = r * p * y;
    return out;
}

D3DXMATRIX* D3DXMatrixLookAtLH(D3DXMATRIX* out, const D3DXVECTOR3* eye, const D3DXVECTOR3* at,
                               const D3DXVECTOR3* up)
{
    D3DXVECTOR3 z = *at - *eye, x, y;
    D3DXVec3Normalize(&z, &z);
    D3DXVec3Cross(&x, up, &z);
    D3DXVec3Normalize(&x, &x);
    D3DXVec3Cross(&y, &z, &x);
    *out = D3DXMATRIX(x.x, y.x, z.x, 0, x.y, y.y, z.y, 0, x.z, y.z, z.z, 0,
                      -D3DXVec3Dot(&x, eye), -D3DXVec3Dot(&y, eye), -D3DXVec3Dot(&z, eye), 1);
    return out;
}

D3DXMATRIX* D3DXMatrixPerspectiveFovLH(D3DXMATRIX* out, float fovy, float aspect, float zn,
                                       float zf)
{
    float yScale = 1.0f / std::tan(fovy * 0.5f), xScale = yScale / aspect;
    float q = zf / (zf - zn);
    *out = D3DXMATRIX(xScale, 0, 0, 0, 0, yScale, 0, 0, 0, 0, q, 1, 0, 0, -zn * q, 0);
    return out;
}

D3DXMATRIX* D3DXMatrixOrthoLH(D3DXMATRIX* out, float w, float h, float zn, float zf)
{
    *out = D3DXMATRIX(2 / w, 0, 0, 0, 0, 2 / h, 0, 0, 0, 0, 1 / (zf - zn), 0, 0, 0,
                      zn / (zn - zf), 1);
    return out;
}

D3DXMATRIX* D3DXMatrixOrthoOffCenterLH(D3DXMATRIX* out, float l, float r, float b, float t,
                                       float zn, float zf)
{
    *out = D3DXMATRIX(2 / (r - l), 0, 0, 0, 0, 2 / (t - b), 0, 0, 0, 0, 1 / (zf - zn), 0,
                      (l + r) / (l - r), (t + b) / (b - t), zn / (zn - zf), 1);
    return out;
}

// ---- quaternions ------------------------------------------------------------------

D3DXQUATERNION* D3DXQuaternionIdentity(D3DXQUATERNION* out)
{
    *out = D3DXQUATERNION(0, 0, 0, 1);
    return out;
}

float D3DXQuaternionDot(const D3DXQUATERNION* a, const D3DXQUATERNION* b)
{
    return a->x * b->x + a->y * b->y + a->z * b->z + a->w * b->w;
}

float D3DXQuaternionLength(const D3DXQUATERNION* q)
{
    return std::sqrt(D3DXQuaternionDot(q, q));
}

D3DXQUATERNION* D3DXQuaternionNormalize(D3DXQUATERNION* out, const D3DXQUATERNION* q)
{
    float length = D3DXQuaternionLength(q);
    *out = length > 0.0f ? *q * (1.0f / length) : D3DXQUATERNION(0, 0, 0, 0);
    return out;
}

D3DXQUATERNION* D3DXQuaternionConjugate(D3DXQUATERNION* out, const D3DXQUATERNION* q)
{
    *out = D3DXQUATERNION(-q->x, -q->y, -q->z, q->w);
    return out;
}

D3DXQUATERNION* D3DXQuaternionMultiply(D3DXQUATERNION* out, const D3DXQUATERNION* a,
                                       const D3DXQUATERNION* b)
{
    *out = Hamilton(*b, *a);
    return out;
}

D3DXQUATERNION* D3DXQuaternionSlerp(D3DXQUATERNION* out, const D3DXQUATERNION* a,
                                    const D3DXQUATERNION* b, float t)
{
    D3DXQUATERNION to = *b;
    float cosine = D3DXQuaternionDot(a, b);
    if (cosine < 0.0f) {
        to = -to;
        cosine = -cosine;
    }
    float wa = 1.0f - t, wb = t;
    if (cosine < 0.9995f) {
        float angle = std::acos(cosine), sine = std::sin(angle);
        wa = std::sin(wa * angle) / sine;
        wb = std::sin(wb * angle) / sine;
        *out = *a * wa + to * wb;
        return out;
    }
    D3DXQUATERNION blended = *a * wa + to * wb;
    return D3DXQuaternionNormalize(out, &blended);
}

D3DXQUATERNION* D3DXQuaternionRotationMatrix(D3DXQUATERNION* out, const D3DXMATRIX* m)
{
    float trace = m->_11 + m->_22 + m->_33;
    D3DXQUATERNION q;
    if (trace > 0.0f) {
        float s = std::sqrt(trace + 1.0f) * 2.0f;
        q = D3DXQUATERNION((m->_23 - m->_32) / s, (m->_31 - m->_13) / s, (m->_12 - m->_21) / s,
                           0.25f * s);
    } else if (m->_11 > m->_22 && m->_11 > m->_33) {
        float s = std::sqrt(1.0f + m->_11 - m->_22 - m->_33) * 2.0f;
        q = D3DXQUATERNION(0.25f * s, (m->_12 + m->_21) / s, (m->_31 + m->_13) / s,
                           (m->_23 - m->_32) / s);
    } else if (m->_22 > m->_33) {
        float s = std::sqrt(1.0f + m->_22 - m->_11 - m->_33) * 2.0f;
        q = D3DXQUATERNION((m->_12 + m->_21) / s, 0.25f * s, (m->_23 + m->_32) / s,
                           (m->_31 - m->_13) / s);
    } else {
        float s = std::sqrt(1.0f + m->_33 - m->_11 - m->_22) * 2.0f;
        q = D3DXQUATERNION((m->_31 + m->_13) / s, (m->_23 + m->_32) / s, 0.25f * s,
                           (m->_12 - m->_21) / s);
    }
    *out = q;
    return out;
}

D3DXQUATERNION* D3DXQuaternionRotationAxis(D3DXQUATERNION* out, const D3DXVECTOR3* axis,
                                           float angle)
{
    D3DXVECTOR3 n;
    D3DXVec3Normalize(&n, axis);
    float s = std::sin(angle * 0.5f);
    *out = D3DXQUATERNION(n.x * s, n.y * s, n.z * s, std::cos(angle * 0.5f));
    return out;
}

D3DXQUATERNION* D3DXQuaternionRotationYawPitchRoll(D3DXQUATERNION* out, float yaw, float pitch,
                                                   float roll)
{
    const D3DXVECTOR3 xAxis(1, 0, 0), yAxis(0, 1, 0), zAxis(0, 0, 1);
    D3DXQUATERNION r, p, y;
    D3DXQuaternionRotationAxis(&r, &zAxis, roll);
    D3DXQuaternionRotationAxis(&p, &xAxis, pitch);
    D3DXQuaternionRotationAxis(&y, &yAxis, yaw);
    *out = r * p * y;
    return out;
}

// ---- planes and colours ------------------------------------------------------------

float D3DXPlaneDotCoord(const D3DXPLANE* p, const D3DXVECTOR3* v)
{
    return p->a * v->x + p->b * v->y + p->c * v->z + p->d;
}

D3DXPLANE* D3DXPlaneFromPointNormal(D3DXPLANE* out, const D3DXVECTOR3* point,
                                    const D3DXVECTOR3* normal)
{
    *out = D3DXPLANE(normal->x, normal->y, normal->z, -D3DXVec3Dot(point, normal));
    return out;
}

D3DXCOLOR* D3DXColorLerp(D3DXCOLOR* out, const D3DXCOLOR* a, const D3DXCOLOR* b, float s)
{
    *out = *a + (*b - *a) * s;
    return out;
}

D3DXCOLOR* D3DXColorModulate(D3DXCOLOR* out, const D3DXCOLOR* a, const D3DXCOLOR* b)
{
    *out = D3DXCOLOR(a->r * b->r, a->g * b->g, a->b * b->b, a->a * b->a);
    return out;
}
