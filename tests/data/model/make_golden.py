# Writes the golden program files of tests/data/model from programs of known content, by a
# separate implementation of the image encoder and file writer.  Usage: make_golden.py <folder>
import math, sys, os

def tn(x): return (x & 15) * 16 + ((x >> 4) & 15)

def sz_key_time(r):
    return (r[0] & 127) * 1024 + ((r[1] >> 4) & 15) * 64 + ((r[5] >> 2) & 63)

def hat_osterbezug(recs, fam):
    for r in recs:
        kind_code = fam * 8 + (r[0] >> 5)
        kind = {0:1,1:1,2:1,3:2,4:0,5:0,6:0,7:6, 8:4,9:4,10:4,11:5,12:3,13:3,14:3,15:6}[kind_code]
        if kind != 2: continue
        if r[0] == 96: da = 2
        elif not (r[3] >> 6) & 1: da = 0
        elif ((r[4] >> 4) & 15) or ((r[5] >> 1) & 7): da = 3
        else: da = 1
        if da > 1: return 73
    return 72

def encode(st):
    typ = st['Uhrentyp']; MaxSz = st['MaxSz']
    size = 8192 if typ == 280 else 2048
    count = len(st['recs'])
    recs = sorted(st['recs'], key=sz_key_time)  # stable
    table = [list(r) for r in recs] + [list(r) for r in st.get('rest', [])]
    while len(table) < 509: table.append([0]*6)
    # header
    gc = st['Geraetecode']
    if st['AnzSw'] and st['SwRegel'] != 4:
        st['SwRegel'] = 4 if st.get('answerSomm', False) else st['SwRegel']
    kopf = [0]*8
    if typ == 240:
        gc = hat_osterbezug(recs, st['Geraetefamilie']) | (gc & 128)
        b2 = st['SwRegel']*16 + st['Geraetefamilie']*8 + st['Kanalzahl'] - 1
    elif typ == 280:
        b2 = st['SwRegel']*16
    else:
        b2 = st['SwRegel']*16 + st['Geraetefamilie']*8 + st['Kanalzahl'] - 1
    b3 = 1 + st['OptDatum']*2 + (1 if typ == 309 else st['SpracheUhr'])*4 + st['OptFunk']*8 + st['OptNak']*16 + st['OptDauer']*32
    if typ != 309 and (gc & 128) and st['Codierbyte'] != 0: b3 += 128
    h, mi, y, mo, d = st['now']
    t = h*60 + mi
    kopf = [0, gc, b2, b3, t // 16, (t % 16)*16 + mo, d, y - 1872]
    img = [0]*size
    img[0:8] = kopf
    for j in range(8, 19): img[j] = 255
    def progno():
        n = st['Programmnummer']
        if n <= 999999:
            img[13] = (n // 100000)*16 + (n // 10000) % 10
            img[14] = ((n // 1000) % 10)*16 + (n // 100) % 10
            img[15] = ((n // 10) % 10)*16 + n % 10
        else:
            img[13] = img[14] = img[15] = 255
    def mess():
        if st['MessKanal'] == 0:
            img[16] = 255; img[17] = 255
        else:
            img[16] = (st['MessKanal'] - 1)*64 + st['MessPeriode']
            img[17] = st['MessZustand']*128 + st['MessZeitpunkt']*64 + st['MessImpDauer']
    def links(upto):
        for i in range(upto):
            table[i][2] = tn(i + 2)
            table[i][3] = (table[i][3] & 127) + 128 * (((i + 2) >> 8) & 1)
        if count:
            table[count-1][2] = 0; table[count-1][3] &= 127
    if typ == 280:
        img[12] = 252 + 2*abs(st['Schreibschutz'] - 1)
        img[18] = st['Codierbyte'] if (gc & 128) and st['Codierbyte'] else 255
        links(MaxSz)
        for i in range(MaxSz, MaxSz + 7):
            img[106 + 6*i] = tn(i + 2); img[107 + 6*i] = 128 * (((i + 2) >> 8) & 1)
        i = MaxSz + 7; img[106 + 6*i] = 0; img[107 + 6*i] = 0
        progno(); mess()
    elif typ == 240:
        img[12] = 252 + 2*abs(st['Schreibschutz'] - 1)
        img[18] = st['Codierbyte'] if (gc & 128) and st['Codierbyte'] else 255
        links(MaxSz - 1)
        table[MaxSz-1][2] = 0; table[MaxSz-1][3] &= 127
        progno(); mess()
    else:
        img[12] = 245 + 2*abs(st['Schreibschutz'] - 1) + 8*st['AstroC1C2']
        img[12] = tn(img[12])
        links(MaxSz + 1)
        table[MaxSz+1][2] = 0; table[MaxSz+1][3] = 0
        ka, ku = st['AstroKorrAuf'], st['AstroKorrUnter']
        img[13] = ka if ka >= 0 else ka + 256
        img[14] = ku if ku >= 0 else ku + 256
        L, B, Z = st['AstroLaenge'], st['AstroBreite'], st['AstroZeitzone']
        img[15] = int(abs(L))
        img[16] = int(abs(B)) + (128 if B <= 0 else 0)
        img[17] = int(abs(Z) / 60) + (16 if Z < 0 else 0) + (int(abs(Z) / 15) % 4) * 32 + (128 if L <= 0 else 0)
        img[18] = int((abs(L) - int(abs(L))) * 256) + int((abs(B) - int(abs(B))) * 128) + st['AstroZusatz']
        for j in range(13, 18): img[j] = tn(img[j])
    # step 5
    img[19] = st['SwKopf'] if st['AnzSw'] else 255
    for i in range(20):
        for k in range(4):
            img[20 + 4*i + k] = st['SwTab'][i][k] if i < st['AnzSw'] else 255
    # step 6
    if count == 0:
        img[100] = 0; img[101] = 0; img[102] = 0; img[103] = tn(1)
    else:
        img[100] = 0; img[101] = tn(1)
        if count == MaxSz and typ == 240:
            img[102] = 0; img[103] = 0
        else:
            img[103] = tn((count + 1) & 255); img[102] = tn(((count + 1) >> 8) & 1)
    # step 7
    n7 = MaxSz + 2 if typ == 309 else MaxSz
    for i in range(n7):
        for k in range(6): img[104 + 6*i + k] = table[i][k]
    # step 8
    def tripA(a, u, za, zu):
        return [za*128 + ((a >> 8) & 7)*16 + (a & 15), ((a >> 4) & 15)*16 + zu*8 + ((u >> 8) & 7), (u & 15)*16 + ((u >> 4) & 15)]
    def tripB(a, u):
        return [((a >> 8) & 15)*16 + (a & 15), ((a >> 4) & 15)*16 + ((u >> 8) & 15), (u & 15)*16 + ((u >> 4) & 15)]
    if typ == 280:
        kz = 1535
        for k in range(4):
            for dd in range(366):
                if st['AstroAktiv'][k+1] == 0: tr = tripA(kz, kz, 0, 0)
                else: tr = tripA(*st['AstroTab'][k][dd])
                img[3176 + 3*(366*k + dd): 3179 + 3*(366*k + dd)] = tr
            img[7568 + 3*k: 7571 + 3*k] = tripA(*st['AstroGrenzen'][k])
        v = st['Verwendung'].encode('cp1252', 'replace')[:50]
        for i, c in enumerate(v): img[7580 + i] = c
        for c in range(st['Kanalzahl']):
            nm = st['Kanalname'][c].encode('cp1252', 'replace')[:19]
            for i, ch in enumerate(nm): img[7630 + 20*c + i] = ch
    elif typ == 309:
        kz = 1791
        for dd in range(366):
            tr = tripB(kz, kz) if st['AstroAktiv'][1] == 0 else tripB(*st['AstroTab'][0][dd][:2])
            img[950 + 3*dd: 953 + 3*dd] = tr
    # step 9
    for i in range(8, size): img[i] = tn(img[i])
    s = sum(img[1:]) % 256
    img[0] = 0 if s == 0 else 256 - s
    assert len(img) == size and all(0 <= v <= 255 for v in img)
    return img

def lines(img, st):
    typ = st['Uhrentyp']
    groups = [(20,1),(20,4),(2,2),(324,6)]
    if typ == 280: groups += [(184,6),(16,1),(4,2),(1464,3),(624,1)]
    out = b''; at = 0
    for n, per in groups:
        for _ in range(n):
            out += b''.join(b' %d ' % img[at + j] for j in range(per)) + b'\r\n'
            at += per
    assert at == len(img)
    out += st['Verwendung'].encode('cp1252', 'replace') + b'\r\n'
    for k in range(16):
        nm = st['Kanalname'][k]
        out += (nm if nm else 'C%d :' % (k + 1)).encode('cp1252', 'replace') + b'\r\n'
    return out

def base(typ):
    st = dict(Uhrentyp=typ, Kanalzahl=4, Geraetecode=72, MaxSz=324, Geraetefamilie=0,
              SwRegel=1, SpracheUhr=1, OptDatum=0, OptFunk=0, OptNak=0, OptDauer=0, Schreibschutz=0,
              Codierbyte=0, Programmnummer=0xFFFFFF, MessKanal=0, MessPeriode=0, MessImpDauer=0,
              MessZustand=0, MessZeitpunkt=0, AstroC1C2=0, AnzSw=0, SwKopf=0, SwTab=[[0]*4]*20,
              recs=[], now=(9, 7, 2003, 3, 5), Verwendung='', Kanalname=['']*16,
              AstroAktiv=[0]*5, AstroTab=[[(0,0,0,0)]*366 for _ in range(4)],
              AstroGrenzen=[(0,0,0,0)]*4, AstroKorrAuf=0, AstroKorrUnter=0, AstroLaenge=0.0,
              AstroBreite=0.0, AstroZeitzone=-60, AstroZusatz=0)
    if typ == 280:
        st.update(Kanalzahl=16, Geraetecode=74, MaxSz=500, AstroGrenzen=[(0,1439,0,0)]*4)
    if typ == 309:
        st.update(Kanalzahl=2, Geraetecode=80, MaxSz=120)
    return st

def weekday_rec(minute, prog, days, chan, state):
    return (128 + minute // 16, (minute % 16)*16 + prog, 0, days, chan, state)

cases = {}
for typ in (240, 280, 309):
    cases['leer%d' % typ] = base(typ)

st = base(240)
st.update(Kanalzahl=2, Geraetecode=73, SwRegel=4, SpracheUhr=0, OptDatum=1, OptFunk=1, OptDauer=1,
          Schreibschutz=1, Programmnummer=123456, MessKanal=2, MessPeriode=15, MessImpDauer=10,
          MessZustand=1, AnzSw=2, SwKopf=30,
          SwTab=[[35,211,51,154],[35,195,51,250]] + [[0]*4]*18,
          recs=[(211,114,0,127,3,0), (45,12,0,88,2,20), (110,18,0,31,1,128), (152,97,0,31,1,1), (96,90,0,0,2,49)],
          now=(23, 59, 2026, 12, 31), Verwendung='Schule, Halle 2',
          Kanalname=[' Licht, außen'] + ['']*15)
cases['programm240'] = st

st = base(280)
recs = [weekday_rec(i * 4, 1 + i % 9, 1 << (i % 7), i % 16, i % 2) for i in range(300)]
tab = [[(7,7,0,0)]*366 for _ in range(4)]
tab[1] = [(360 + dd % 60, 1100 - dd % 50, 1, 0) for dd in range(366)]
st.update(recs=recs, AstroAktiv=[-1,0,-1,0,0], AstroTab=tab,
          AstroGrenzen=[(0,1439,0,0),(300,1200,1,1),(0,1439,0,0),(0,1439,0,0)],
          Programmnummer=0, SwRegel=2,
          Verwendung='012\u20ac\u00fc56789' + '0123456789'*5,
          Kanalname=['Kanal eins mit Name', '', 'Flur'] + ['']*13)
st['Kanalname'][0] = 'Kanal eins mit Namen'
assert len(st['Verwendung']) == 60 and len(st['Kanalname'][0]) == 20
cases['programm280'] = st

st = base(309)
recs = [weekday_rec(i * 11, 1, 127, 1 + i % 3, (i // 2) % 2) for i in range(120)]
st.update(recs=recs, rest=[(7,8,0,9,10,11), (1,2,3,4,5,6)], AstroC1C2=1, Schreibschutz=0,
          AstroKorrAuf=-5, AstroKorrUnter=12, AstroLaenge=-7.5, AstroBreite=-32.5,
          AstroZeitzone=-90, AstroZusatz=17, AstroAktiv=[-1,-1,0,0,0],
          AstroTab=[[(400 + dd, 1000 + dd, 0, 0) for dd in range(366)]] + [[(0,0,0,0)]*366]*3,
          AnzSw=1, SwKopf=30 + 64, SwTab=[[35,211,51,154]] + [[0]*4]*19, SwRegel=4,
          Kanalname=[' Pumpe', ' Tor']+['']*14, Verwendung='Garage')
cases['programm309'] = st

outdir = sys.argv[1]
for name, st in cases.items():
    img = encode(st)
    open(os.path.join(outdir, name + '.qvl'), 'wb').write(lines(img, st))
    print(name, len(img), sum(img) % 256)
