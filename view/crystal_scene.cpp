#include "view/crystal_scene.h"

namespace {

constexpr GLdouble kAtomRadius = 0.2;
constexpr GLint kAtomSlices = 8, kAtomStacks = 8;
constexpr GLdouble kBondRadius = 0.08;
constexpr GLint kBondSlices = 6, kBondStacks = 1;

void setColour(const RgbColour& colour) {
    glColor3f(colour.red / 255.0f, colour.green / 255.0f, colour.blue / 255.0f);
}

// Lines are not lit: their colours are the axis colours exactly.
void recordCellBox(const DisplayedStructure& s) {
    glDisable(GL_LIGHTING);
    glDisable(GL_NORMALIZE);
    for (const ColouredSegment& edge : cellBoxEdges(s)) {
        glColor3fv(edge.colour);
        glBegin(GL_LINES);
        glVertex3fv(edge.from);
        glVertex3fv(edge.to);
        glEnd();
    }
    glEnable(GL_LIGHTING);
    glEnable(GL_NORMALIZE);
}

void recordAtoms(DisplayedStructure& s) {
    for (const AtomGroup& molecule : s.viewMolecules())
        for (const AtomSite& atom : molecule.atoms) {
            glPushMatrix();
            glTranslatef(atom.x(), atom.y(), atom.z());
            setColour(s.colour);
            gluSphere(s.quadric.get(), kAtomRadius, kAtomSlices, kAtomStacks);
            glPopMatrix();
        }
}

// A unit cylinder along +z, turned onto the bond and stretched to its length;
// the bonds are scaled, so the normals are renormalised (GL_NORMALIZE).
void recordBonds(DisplayedStructure& s) {
    computeBonds(s);
    for (const Bond& bond : s.bonds) {
        const CylinderPlacement placement = bondCylinder(bond.first, bond.second);
        if (!(placement.length > 0)) continue;  // two atoms at one place: nothing to draw
        setColour(s.colour);
        glPushMatrix();
        glTranslatef(bond.second[0], bond.second[1], bond.second[2]);
        glRotatef(placement.angle, placement.axis[0], placement.axis[1], placement.axis[2]);
        glScalef(1.0f, 1.0f, placement.length);
        gluCylinder(s.quadric.get(), kBondRadius, kBondRadius, 1.0, kBondSlices, kBondStacks);
        glPopMatrix();
    }
}

}  // namespace

void computeBonds(DisplayedStructure& s) {
    if (s.bonds.empty()) s.bonds = computeBonds(s.viewMolecules());
}

void buildDisplayList(DisplayedStructure& s) {
    buildViewGroups(s);

    // Current state rather than part of the list: every structure shares it.
    const GLfloat specular[4] = {1, 1, 1, 1};
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT, GL_SHININESS, 50);

    if (!s.quadric) {
        s.quadric.reset(gluNewQuadric());
        gluQuadricDrawStyle(s.quadric.get(), GLU_FILL);
        gluQuadricNormals(s.quadric.get(), GLU_SMOOTH);
        gluQuadricOrientation(s.quadric.get(), GLU_OUTSIDE);
    }
    if (!s.quadric) return;  // out of memory: tried again at the next pass

    s.displayList = glGenLists(1);
    glNewList(s.displayList, GL_COMPILE);
    recordCellBox(s);
    recordAtoms(s);
    recordBonds(s);
    glEndList();
}
