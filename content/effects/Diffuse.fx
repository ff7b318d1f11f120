// Debug lines: the vertex colour only.
string ContainerName = "nosort";

technique Lines {
    pass P0 {
        Lighting = false;
        vertex {
            out vec4 v_Diffuse;
            void main()
            {
                gl_Position = d3d_TransformPosition(a_Position);
                v_Diffuse = a_Diffuse;
            }
        }
        fragment {
            in vec4 v_Diffuse;
            void main() { o_Color = v_Diffuse; }
        }
    }
}
