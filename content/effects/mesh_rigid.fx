// Rigid 3D meshes (plants, animals): the first texture channel, unlit, with
// the device's fog so skinned and rigid meshes fade alike.
string ContainerName = "nosort";
texture vantile_texchannel0;

technique Rigid {
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
                gl_Position = d3d_TransformPosition(a_Position);
                vec4 viewPosition = u_View * (u_World * vec4(a_Position.xyz, 1.0));
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
