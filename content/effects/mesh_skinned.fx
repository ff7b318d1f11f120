// Skinned meshes (fish bodies): up to 21 bones, each uploaded as bone x view,
// blended by the vertex's weights (XYZB1..B4 with UBYTE4 indices), then the
// projection. Fog as for rigid meshes; skin nodes switch it on per draw.
string ContainerName = "nosort";
matrix projection;
texture vantile_texchannel0;
matrix worldview00;
matrix worldview01;
matrix worldview02;
matrix worldview03;
matrix worldview04;
matrix worldview05;
matrix worldview06;
matrix worldview07;
matrix worldview08;
matrix worldview09;
matrix worldview10;
matrix worldview11;
matrix worldview12;
matrix worldview13;
matrix worldview14;
matrix worldview15;
matrix worldview16;
matrix worldview17;
matrix worldview18;
matrix worldview19;
matrix worldview20;

technique Skinned {
    pass P0 {
        Lighting = false;
        ZEnable = true;
        ZWriteEnable = true;
        CullMode = None;
        AlphaBlendEnable = true;
        SrcBlend = SrcAlpha;
        DestBlend = InvSrcAlpha;
        texture 0 = vantile_texchannel0;
        sampler 0 MinFilter = Linear;
        sampler 0 MagFilter = Linear;
        vertex {
            out vec2 v_TexCoord;
            out float v_Fog;
            void main()
            {
                mat4 bones[21] = mat4[21](worldview00, worldview01, worldview02, worldview03, worldview04, worldview05, worldview06, worldview07, worldview08, worldview09, worldview10, worldview11, worldview12, worldview13, worldview14, worldview15, worldview16, worldview17, worldview18, worldview19, worldview20);
                vec4 weights = vec4(a_BlendWeights.xyz, 0.0);
                weights.w = 1.0 - weights.x - weights.y - weights.z;
                ivec4 indices = ivec4(clamp(a_BlendIndices, 0.0, 20.0));
                vec4 position = vec4(a_Position.xyz, 1.0);
                vec4 viewPosition = vec4(0.0);
                for (int i = 0; i < 4; ++i)
                    viewPosition += weights[i] * (bones[indices[i]] * position);
                gl_Position = d3d_ToGLClip(projection * viewPosition);
                v_Fog = d3d_FogFactor(viewPosition.z);
                v_TexCoord = a_TexCoord0.xy;
            }
        }
        fragment {
            in vec2 v_TexCoord;
            in float v_Fog;
            void main()
            {
                vec4 texel = u_TextureBound0 != 0 ? texture(u_Texture0, v_TexCoord) : vec4(1.0);
                if (d3d_AlphaTestFails(texel.a))
                    discard;
                vec3 colour = u_FogEnable != 0 ? mix(u_FogColor.rgb, texel.rgb, v_Fog) : texel.rgb;
                o_Color = vec4(colour, texel.a);
            }
        }
    }
}
